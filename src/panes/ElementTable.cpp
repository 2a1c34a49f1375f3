#include "panes/ElementTable.h"

#include "panes/BidiTextDelegate.h"
#include "panes/ChoiceDelegate.h"
#include "panes/NoteLabel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

bool isEmptyElement(const FeedElement &element)
{
    return element.text.trimmed().isEmpty() && element.attributes.isEmpty() && element.children.empty();
}

} // namespace

CElementTable::CElementTable(const QString &element, const QStringList &headers, std::vector<CFieldPath> columns,
                             std::vector<Check> checks, QWidget *parent)
    : QWidget(parent)
    , m_element(element)
    , m_columns(std::move(columns))
    , m_checks(m_columns.size())
    , m_table(new QTableWidget(0, int(m_columns.size()), this))
    , m_buttons(new QHBoxLayout)
    , m_note(new CNoteLabel(this))
{
    setObjectName(element);
    for (size_t column = 0; column < checks.size() && column < m_checks.size(); ++column) {
        if (Check check = checks[column])
            m_checks[column] = [check](const FeedElement &, const QString &value) { return check(value); };
    }
    m_table->setHorizontalHeaderLabels(headers);
    setUpTable();
    createButtons();

    m_note->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addLayout(m_buttons);
    layout->addWidget(m_note);
}

void CElementTable::setUpTable()
{
    const QString element = m_element;
    m_table->setAccessibleName(element);
    m_table->setAccessibleDescription(tr("One element %1 a row; Add and Remove below change the rows").arg(element));
    // The first column (a name or an address) takes what the others leave.
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setDefaultSectionSize(110);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->setWordWrap(false);
    m_table->setItemDelegate(new CBidiTextDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Arrows move between the cells; Tab leaves the table for the next field.
    m_table->setTabKeyNavigation(false);
    // Three rows show, under a scroll bar for the columns that do not fit;
    // more rows scroll.
    const int header = m_table->horizontalHeader()->sizeHint().height();
    const int minimum = header + 3 * m_table->verticalHeader()->defaultSectionSize()
        + m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_table->frameWidth();
    m_table->setMinimumHeight(minimum);
    m_table->setMaximumHeight(qMax(minimum, header * 7));
}

void CElementTable::createButtons()
{
    const QString element = m_element;
    auto *add = new QPushButton(tr("Add"), this);
    auto *remove = new QPushButton(tr("Remove"), this);
    add->setAccessibleDescription(tr("Adds a row: a new element %1").arg(element));
    remove->setAccessibleDescription(tr("Removes the selected row: its element %1").arg(element));
    m_buttons->addWidget(add);
    m_buttons->addWidget(remove);
    m_buttons->addStretch();
    connect(add, &QPushButton::clicked, this, [this] {
        const int row = addRow();
        m_table->setCurrentCell(row, 0);
        m_table->editItem(m_table->item(row, 0));
    });
    connect(remove, &QPushButton::clicked, this, &CElementTable::removeRow);
    connect(m_table, &QTableWidget::cellChanged, this, &CElementTable::onCellChanged);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow) {
        if (row != previousRow)
            emit currentRowChanged();
    });
}

void CElementTable::setElements(const std::vector<FeedElement> &elements)
{
    if (elements == this->elements())
        return;
    m_rows = elements;
    fill();
}

std::vector<FeedElement> CElementTable::elements() const
{
    std::vector<FeedElement> held;
    for (const FeedElement &row : m_rows) {
        if (!isEmptyElement(row))
            held.push_back(row);
    }
    return held;
}

void CElementTable::setCheck(int column, RowCheck check)
{
    m_checks[column] = std::move(check);
    updateNote();
}

void CElementTable::setMessage(const QString &message)
{
    m_message = message;
    updateNote();
}

void CElementTable::setChoices(int column, const QStringList &choices)
{
    m_table->setItemDelegateForColumn(column, new CChoiceDelegate(choices, m_table));
}

int CElementTable::currentRow() const
{
    return m_table->currentRow();
}

void CElementTable::showChildrenOf(CElementTable *parent)
{
    m_parent = parent;
    parent->m_followed = true;
    setStore([this](const std::vector<FeedElement> &children) {
        m_parent->setChildren(m_parent->currentRow(), m_element, children);
    });
    connect(parent, &CElementTable::currentRowChanged, this, &CElementTable::followParent);
    followParent();
}

void CElementTable::followParent()
{
    const int row = m_parent->currentRow();
    setEnabled(row >= 0);
    setElements(m_parent->childrenOf(row, m_element));
}

std::vector<FeedElement> CElementTable::childrenOf(int row, const QString &name) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return {};
    return m_rows[row].childrenNamed(name);
}

void CElementTable::setChildren(int row, const QString &name, const std::vector<FeedElement> &children)
{
    if (row < 0 || row >= int(m_rows.size()) || childrenOf(row, name) == children)
        return;
    m_rows[row].setChildrenNamed(name, children);
    m_message.clear();
    updateNote();
    store();
}

void CElementTable::fill()
{
    m_message.clear();
    m_filling = true;
    m_table->setRowCount(int(m_rows.size()));
    for (int row = 0; row < int(m_rows.size()); ++row) {
        for (int column = 0; column < int(m_columns.size()); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(m_columns[column].valueIn(m_rows[row])));
    }
    m_filling = false;
    // The children show for a row: the first, unless one is selected.
    if (m_followed && !m_rows.empty() && (currentRow() < 0 || currentRow() >= int(m_rows.size())))
        m_table->setCurrentCell(0, 0);
    updateNote();
    emit currentRowChanged();
}

int CElementTable::addRow()
{
    FeedElement row;
    row.name = m_element;
    m_rows.push_back(row);
    fill();
    return int(m_rows.size()) - 1;
}

void CElementTable::setValue(int row, int column, const QString &value)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_table->item(row, column)->setText(value); // stores through onCellChanged
}

void CElementTable::onCellChanged(int row, int column)
{
    if (m_filling || row >= int(m_rows.size()))
        return;
    const QString value = m_table->item(row, column)->text();
    if (m_columns[column].valueIn(m_rows[row]) == value)
        return;
    m_columns[column].setValueIn(m_rows[row], value);
    m_message.clear();
    updateNote();
    store();
}

void CElementTable::removeRow()
{
    const int row = currentRow();
    if (row < 0 || row >= int(m_rows.size()))
        return;
    const bool held = !isEmptyElement(m_rows[row]);
    m_rows.erase(m_rows.begin() + row);
    fill();
    if (held)
        store();
}

void CElementTable::store()
{
    if (m_store)
        m_store(elements());
}

QString CElementTable::noteText() const
{
    QStringList lines;
    for (int row = 0; row < int(m_rows.size()); ++row) {
        for (int column = 0; column < int(m_columns.size()) && column < int(m_checks.size()); ++column) {
            if (!m_checks[column])
                continue;
            const QString value = m_columns[column].valueIn(m_rows[row]);
            const QString problem = value.isEmpty() ? QString() : m_checks[column](m_rows[row], value);
            if (!problem.isEmpty()) {
                lines.append(tr("Row %1, %2: %3")
                                 .arg(row + 1)
                                 .arg(m_table->horizontalHeaderItem(column)->text(), problem));
            }
        }
    }
    if (!m_message.isEmpty())
        lines.append(m_message);
    return lines.join(QLatin1Char('\n'));
}

void CElementTable::updateNote()
{
    const QString text = noteText();
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}
