#pragma once

#include "document/FieldPath.h"

#include <QWidget>

#include <functional>
#include <vector>

class QHBoxLayout;
class QLabel;
class QTableWidget;

// The elements of one name that may repeat (categories, enclosures, persons)
// as a table: a row per element, a column per value. A row keeps all of its
// element, so what the columns do not show stays as it was. Each edit hands
// the whole list to the store; rows left empty are not stored.
class CElementTable : public QWidget
{
    Q_OBJECT
public:
    using Check = std::function<QString(const QString &value)>;
    // A check that needs the rest of the row: a subcategory's category.
    using RowCheck = std::function<QString(const FeedElement &row, const QString &value)>;
    using Store = std::function<void(const std::vector<FeedElement> &elements)>;

    CElementTable(const QString &element, const QStringList &headers, std::vector<CFieldPath> columns,
                  std::vector<Check> checks, QWidget *parent = nullptr);

    const QString &element() const { return m_element; }
    QTableWidget *table() const { return m_table; }
    void setStore(Store store) { m_store = std::move(store); }
    void setCheck(int column, RowCheck check);
    // The cells of a column are edited with a list of these values.
    void setChoices(int column, const QStringList &choices);
    // Makes this table show the children of its element's name that the
    // selected row of `parent` holds (a value's recipients, an alternate
    // enclosure's sources); its edits go into that row. It is disabled
    // while the parent has no row selected.
    void showChildrenOf(CElementTable *parent);
    CElementTable *parentTable() const { return m_parent; }
    // The children of one name of a row, and those replaced, in the place
    // of the first of them; the table stores.
    std::vector<FeedElement> childrenOf(int row, const QString &name) const;
    void setChildren(int row, const QString &name, const std::vector<FeedElement> &children);
    // A message under the table besides the values' notes (a failed probe);
    // it stays until the rows change.
    void setMessage(const QString &message);

    // Shows these elements, unless they are what the table holds already.
    void setElements(const std::vector<FeedElement> &elements);
    // The rows that hold something, as elements.
    std::vector<FeedElement> elements() const;
    // The selected row, or -1.
    int currentRow() const;
    // Sets one value of a row as the user would, and stores.
    void setValue(int row, int column, const QString &value);
    // An empty row for the user to fill; nothing is stored yet.
    int addRow();
    // The problems of the values, one line per value.
    QString noteText() const;

signals:
    // The selected row changed, or the rows were shown anew.
    void currentRowChanged();

private:
    void setUpTable();
    // Add and Remove under the table.
    void createButtons();
    void followParent();
    void fill();
    void onCellChanged(int row, int column);
    void removeRow();
    void store();
    void updateNote();

    QString m_element;
    std::vector<CFieldPath> m_columns;
    std::vector<RowCheck> m_checks;
    QString m_message;
    std::vector<FeedElement> m_rows;
    QTableWidget *m_table;
    QHBoxLayout *m_buttons;
    QLabel *m_note;
    Store m_store;
    CElementTable *m_parent = nullptr;
    bool m_followed = false; // a child table shows the selected row's children
    bool m_filling = false;
};
