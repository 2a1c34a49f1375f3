#pragma once

#include <QGroupBox>
#include <QPointer>

class CRSSEditDoc;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

// The fields of a live item's own tag in Post Details: its status, and the
// start and end of the stream as ISO 8601 dates and times. Shown for live
// items only; each value is stored through the document when the user
// finishes editing it, a value that does not read as its kind noted under
// it and stored all the same.
class CLiveItemFields : public QGroupBox
{
    Q_OBJECT
public:
    explicit CLiveItemFields(CRSSEditDoc *doc, QWidget *parent = nullptr);

    // Shows post `post`'s values, or hides the group when it is no live item.
    void load(int post);

    QComboBox *status() const { return m_status; }
    QLineEdit *start() const { return m_start; }
    QLineEdit *end() const { return m_end; }

    // Empty for a date and time like 2026-12-24T18:00:00+01:00 (seconds,
    // a fraction and the offset as the standard allows), else the note.
    static QString noteOnTime(const QString &value);

private:
    QLineEdit *addTime(QFormLayout *form, const QString &label, const QString &attribute);
    void store(const QString &attribute, const QString &value);

    QPointer<CRSSEditDoc> m_doc;
    int m_post = -1;
    QComboBox *m_status;
    QLineEdit *m_start = nullptr;
    QLineEdit *m_end = nullptr;
};
