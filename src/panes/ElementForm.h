#pragma once

#include "document/FieldPath.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <vector>

class CElementTable;
class CRSSEditDoc;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The fields of a properties page bound to the elements of the channel or of
// one post. Each field shows one value (see CFieldPath) and, when the user
// finishes editing it, stores it through the document in one call; a note
// under the field says in words what is wrong with the value, which is
// stored as typed all the same.
class CElementForm : public QObject
{
    Q_OBJECT
public:
    // A plain-words problem of a value; empty when it is fine.
    using Check = std::function<QString(const QString &value)>;

    explicit CElementForm(CRSSEditDoc *doc, QObject *parent = nullptr);

    CRSSEditDoc *document() const;
    // The post whose elements the fields show, or -1 for the channel; the
    // fields show it at the next load().
    int post() const { return m_post; }
    void setPost(int post) { m_post = post; }

    QLineEdit *addLine(QFormLayout *layout, const QString &label, const CFieldPath &path, Check check = {});
    // A few lines of wrapped text, for a long value; stored when the focus
    // leaves it.
    QPlainTextEdit *addText(QFormLayout *layout, const QString &label, const CFieldPath &path);
    // An editable list. Without a check of its own, a value outside the
    // choices is shown, kept and noted.
    QComboBox *addChoice(QFormLayout *layout, const QString &label, const CFieldPath &path,
                         const QStringList &choices, Check check = {});
    // A date line with a "Now" button that stores the present time.
    QLineEdit *addDate(QFormLayout *layout, const QString &label, const CFieldPath &path, Check check = {});
    // One check box per value: the element holds a `child` element for
    // each box ticked (skipHours/hour, skipDays/day).
    void addCheckSet(QBoxLayout *layout, const QString &element, const QString &child, const QStringList &values,
                     int columns);
    // A table of the elements of one name, a column per value.
    CElementTable *addTable(QBoxLayout *layout, const QString &element, const QStringList &headers,
                            const std::vector<CFieldPath> &columns, const std::vector<Check> &checks = {});
    // A table of the `child` elements of the row selected in `parent`
    // (see CElementTable::showChildrenOf).
    CElementTable *addChildTable(QBoxLayout *layout, CElementTable *parent, const QString &child,
                                 const QStringList &headers, const std::vector<CFieldPath> &columns,
                                 const std::vector<Check> &checks = {});
    // A table of the `child` elements of the one `holder` element (a
    // podroll's remote items): the holder is made with the first child and
    // goes with the last, unless it holds more.
    CElementTable *addHeldTable(QBoxLayout *layout, const QString &holder, const QString &child,
                                const QStringList &headers, const std::vector<CFieldPath> &columns,
                                const std::vector<Check> &checks = {});

    // Shows what the feed holds now; a field keeps its text when it is the same.
    void load();
    // The first field of an element, or null.
    QWidget *editorOf(const QString &element) const;

    std::vector<FeedElement> elements(const QString &name) const;
    bool storeElements(const QString &name, const std::vector<FeedElement> &elements);

    // "Not one of: a, b"; empty when the value is empty or allowed.
    static QString noteOutside(const QStringList &allowed, const QString &value);
    // The value checks of CValueCheck, as fields take them.
    static Check date();
    static Check email();
    // A bare address, as itunes:email and podcast:locked's owner hold it.
    static Check emailAddress();
    static Check url();
    static Check mimeType();
    static Check integer(qint64 minimum, qint64 maximum);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The user stored a value.
    void stored(const QString &element);

private:
    struct Field
    {
        CFieldPath path;
        QWidget *editor;
        QLabel *note;
        Check check;
        std::function<QString()> text;
        std::function<void(const QString &)> show;
    };
    struct CheckSet
    {
        QString element;
        QString child;
        std::vector<QCheckBox *> boxes;
        QLabel *note;
    };

    QWidget *withNote(QWidget *editor, QLabel **note, QWidget *extra = nullptr);
    void addField(QFormLayout *layout, const QString &label, Field field, QWidget *extra = nullptr);
    void store(const Field &field);
    void showNote(const Field &field, const QString &value);
    void storeCheckSet(const CheckSet &set);
    void loadCheckSet(const CheckSet &set);
    void storeHeld(const QString &holder, const QString &child, const std::vector<FeedElement> &children);
    std::vector<FeedElement> heldChildren(const QString &holder, const QString &child) const;

    QPointer<CRSSEditDoc> m_doc;
    int m_post = -1;
    std::vector<Field> m_fields;
    std::vector<CheckSet> m_checkSets;
    std::vector<CElementTable *> m_tables;
    std::vector<std::pair<QString, CElementTable *>> m_heldTables; // by holder
};
