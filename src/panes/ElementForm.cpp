#include "panes/ElementForm.h"

#include "core/PubDate.h"
#include "core/ValueCheck.h"
#include "document/RSSEditDoc.h"
#include "panes/ElementTable.h"
#include "panes/NoteLabel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTableWidget>

#include <algorithm>
#include <memory>

namespace {

QLabel *makeNote(QWidget *parent)
{
    auto *note = new CNoteLabel(parent);
    note->hide();
    return note;
}

// A long value shows from its start.
void showText(QLineEdit *line, const QString &text)
{
    if (line->text() == text)
        return;
    line->setText(text);
    line->setCursorPosition(0);
}

// "Source &URL:" as a screen reader names its field: "Source URL".
QString spokenName(const QString &label)
{
    QString name = QString(label).remove(QLatin1Char('&')).trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

} // namespace

CElementForm::CElementForm(CRSSEditDoc *doc, QObject *parent)
    : QObject(parent)
    , m_doc(doc)
{
}

CElementForm::Check CElementForm::date()
{
    return &CValueCheck::Date;
}

CElementForm::Check CElementForm::email()
{
    return &CValueCheck::Email;
}

CElementForm::Check CElementForm::emailAddress()
{
    return [](const QString &value) {
        switch (CValueCheck::ClassifyEmail(value)) {
        case CValueCheck::EmailForm::AddressOnly:
            return QString();
        case CValueCheck::EmailForm::Valid:
            return tr("Only the address belongs here, without the name");
        default:
            return tr("Not an e-mail address like jo@example.org");
        }
    };
}

CElementForm::Check CElementForm::url()
{
    return &CValueCheck::AbsoluteUrl;
}

CElementForm::Check CElementForm::mimeType()
{
    return &CValueCheck::MimeType;
}

CElementForm::Check CElementForm::integer(qint64 minimum, qint64 maximum)
{
    return [minimum, maximum](const QString &value) { return CValueCheck::IntegerInRange(value, minimum, maximum); };
}

CRSSEditDoc *CElementForm::document() const
{
    return m_doc;
}

std::vector<FeedElement> CElementForm::elements(const QString &name) const
{
    if (!m_doc)
        return {};
    if (m_post < 0)
        return m_doc->feed()->GetChannelElements(name);
    if (m_post >= m_doc->feed()->GetPostCount())
        return {};
    return m_doc->feed()->GetPostElements(m_post, name);
}

bool CElementForm::storeElements(const QString &name, const std::vector<FeedElement> &elements)
{
    if (!m_doc || elements == this->elements(name))
        return false;
    const bool changed = m_post < 0 ? m_doc->SetChannelElements(name, elements)
                                    : m_doc->SetPostElements(m_post, name, elements);
    if (changed)
        emit stored(name);
    return changed;
}

QString CElementForm::noteOutside(const QStringList &allowed, const QString &value)
{
    if (value.isEmpty() || allowed.contains(value))
        return QString();
    QStringList shown;
    for (const QString &choice : allowed) {
        if (!choice.isEmpty())
            shown.append(choice);
    }
    return tr("Not one of: %1").arg(shown.join(QStringLiteral(", ")));
}

// The editor with its note under it, and a button beside it when given.
QWidget *CElementForm::withNote(QWidget *editor, QLabel **note, QWidget *extra)
{
    auto *box = new QWidget;
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    if (extra) {
        auto *row = new QHBoxLayout;
        row->addWidget(editor, 1);
        row->addWidget(extra);
        column->addLayout(row);
    } else {
        column->addWidget(editor);
    }
    *note = makeNote(box);
    column->addWidget(*note);
    return box;
}

void CElementForm::addField(QFormLayout *layout, const QString &label, Field field, QWidget *extra)
{
    field.editor->setObjectName(field.path.key());
    // The label stands beside the editor's box, not the editor: the
    // editor takes its words as its name.
    if (field.editor->accessibleName().isEmpty())
        field.editor->setAccessibleName(spokenName(label));
    if (field.editor->accessibleDescription().isEmpty())
        field.editor->setAccessibleDescription(tr("Kept in the feed as %1").arg(field.path.key()));
    layout->addRow(label, withNote(field.editor, &field.note, extra));
    m_fields.push_back(std::move(field));
}

QLineEdit *CElementForm::addLine(QFormLayout *layout, const QString &label, const CFieldPath &path, Check check)
{
    auto *line = new QLineEdit;
    const int index = int(m_fields.size());
    addField(layout, label,
             {path, line, nullptr, std::move(check), [line] { return line->text(); },
              [line](const QString &text) { showText(line, text); }});
    connect(line, &QLineEdit::editingFinished, this, [this, index] { store(m_fields[index]); });
    return line;
}

QPlainTextEdit *CElementForm::addText(QFormLayout *layout, const QString &label, const CFieldPath &path)
{
    auto *text = new QPlainTextEdit;
    text->setTabChangesFocus(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setFixedHeight(text->fontMetrics().lineSpacing() * 4 + 2 * text->frameWidth() + 8);
    // Its row takes that height, not a share of what the page has spare.
    text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The box may show a value in another form (its line ends, say) than
    // the file holds it: until the user types, the value is the file's.
    auto shownValue = std::make_shared<QString>();
    addField(layout, label,
             {path, text, nullptr, {},
              [text, shownValue] { return text->document()->isModified() ? text->toPlainText() : *shownValue; },
              [text, shownValue](const QString &value) {
                  if (*shownValue == value && !text->document()->isModified())
                      return;
                  *shownValue = value;
                  text->setPlainText(value);
                  text->document()->setModified(false);
              }});
    text->installEventFilter(this);
    return text;
}

// A text box has no "editing finished": leaving it is the end of an edit.
bool CElementForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        for (const Field &field : m_fields) {
            if (field.editor == watched)
                store(field);
        }
    }
    return QObject::eventFilter(watched, event);
}

QComboBox *CElementForm::addChoice(QFormLayout *layout, const QString &label, const CFieldPath &path,
                                   const QStringList &choices, Check check)
{
    auto *combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // As narrow as a line: a long choice (a media type) would otherwise widen
    // a whole pane past its room; the list shows the choices whole.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(6);
    // The field in the box takes the focus, and a screen reader names it.
    combo->lineEdit()->setAccessibleName(spokenName(label));
    combo->addItem(QString());
    combo->addItems(choices);
    const int index = int(m_fields.size());
    Check noted = check ? std::move(check) : [choices](const QString &value) { return noteOutside(choices, value); };
    addField(layout, label,
             {path, combo, nullptr, std::move(noted), [combo] { return combo->currentText(); },
              [combo](const QString &text) {
                  if (combo->currentText() != text) {
                      combo->setCurrentText(text);
                      combo->lineEdit()->setCursorPosition(0);
                  }
              }});
    connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, index] { store(m_fields[index]); });
    connect(combo, &QComboBox::activated, this, [this, index] { store(m_fields[index]); });
    return combo;
}

QLineEdit *CElementForm::addDate(QFormLayout *layout, const QString &label, const CFieldPath &path, Check check)
{
    auto *line = new QLineEdit;
    // A whole date shows: where that leaves no room beside the label, a
    // form that wraps its long rows puts the field under it.
    const QMargins margins = line->textMargins() + line->contentsMargins();
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QStringLiteral("Wed, 30 Sep 2026 23:59:59 +0000"))
                          + margins.left() + margins.right() + 12);
    // A tool button: a push button's least width would squeeze the date.
    auto *now = new QToolButton;
    now->setText(tr("Now"));
    now->setObjectName(path.key() + QStringLiteral("Now"));
    now->setAccessibleDescription(tr("Sets the date to the present time"));
    const int index = int(m_fields.size());
    addField(layout, label,
             {path, line, nullptr, std::move(check), [line] { return line->text(); },
              [line](const QString &text) { showText(line, text); }},
             now);
    connect(line, &QLineEdit::editingFinished, this, [this, index] { store(m_fields[index]); });
    connect(now, &QToolButton::clicked, this, [this, index, line] {
        line->setText(PubDate::FormatPubDateNow());
        store(m_fields[index]);
    });
    return line;
}

void CElementForm::store(const Field &field)
{
    const QString value = field.text();
    showNote(field, value);
    const QString name = field.path.element();
    storeElements(name, field.path.withValue(elements(name), value));
}

void CElementForm::showNote(const Field &field, const QString &value)
{
    const QString problem = field.check && !value.isEmpty() ? field.check(value) : QString();
    field.note->setText(problem);
    field.note->setVisible(!problem.isEmpty());
}

void CElementForm::addCheckSet(QBoxLayout *layout, const QString &element, const QString &child,
                               const QStringList &values, int columns)
{
    CheckSet set{element, child, {}, nullptr};
    auto *grid = new QGridLayout;
    for (int i = 0; i < values.size(); ++i) {
        auto *box = new QCheckBox(values.at(i));
        box->setObjectName(element + QLatin1Char('_') + values.at(i));
        grid->addWidget(box, i / columns, i % columns);
        set.boxes.push_back(box);
    }
    layout->addLayout(grid);
    set.note = makeNote(nullptr);
    layout->addWidget(set.note);
    const int index = int(m_checkSets.size());
    for (QCheckBox *box : set.boxes)
        connect(box, &QCheckBox::clicked, this, [this, index] { storeCheckSet(m_checkSets[index]); });
    m_checkSets.push_back(std::move(set));
}

// The ticked values in the boxes' order; values no box stands for stay where
// they were, after them.
void CElementForm::storeCheckSet(const CheckSet &set)
{
    std::vector<FeedElement> current = elements(set.element);
    FeedElement holder = current.empty() ? FeedElement{set.element, {}, {}, {}} : current.front();
    std::vector<FeedElement> others;
    for (const FeedElement &child : holder.children) {
        const bool known = std::any_of(set.boxes.begin(), set.boxes.end(),
                                       [&](QCheckBox *box) { return box->text() == child.text.trimmed(); });
        if (child.name != set.child || !known)
            others.push_back(child);
    }
    holder.children.clear();
    for (QCheckBox *box : set.boxes) {
        if (box->isChecked())
            holder.children.push_back(FeedElement{set.child, {}, box->text(), {}});
    }
    holder.children.insert(holder.children.end(), others.begin(), others.end());
    if (current.empty())
        current.push_back(holder);
    else
        current.front() = holder;
    if (holder.children.empty() && holder.attributes.isEmpty())
        current.erase(current.begin());
    storeElements(set.element, current);
}

void CElementForm::loadCheckSet(const CheckSet &set)
{
    const std::vector<FeedElement> current = elements(set.element);
    QStringList held;
    if (!current.empty()) {
        for (const FeedElement &child : current.front().children) {
            if (child.name == set.child)
                held.append(child.text.trimmed());
        }
    }
    QStringList unknown = held;
    for (QCheckBox *box : set.boxes) {
        box->setChecked(held.contains(box->text()));
        unknown.removeAll(box->text());
    }
    const QString problem =
        unknown.isEmpty() ? QString() : tr("Also holds values no box stands for: %1").arg(unknown.join(QStringLiteral(", ")));
    set.note->setText(problem);
    set.note->setVisible(!problem.isEmpty());
}

CElementTable *CElementForm::addTable(QBoxLayout *layout, const QString &element, const QStringList &headers,
                                      const std::vector<CFieldPath> &columns, const std::vector<Check> &checks)
{
    auto *table = new CElementTable(element, headers, columns, checks);
    table->setStore([this, element](const std::vector<FeedElement> &elements) { storeElements(element, elements); });
    layout->addWidget(table);
    m_tables.push_back(table);
    return table;
}

CElementTable *CElementForm::addChildTable(QBoxLayout *layout, CElementTable *parent, const QString &child,
                                           const QStringList &headers, const std::vector<CFieldPath> &columns,
                                           const std::vector<Check> &checks)
{
    auto *table = new CElementTable(child, headers, columns, checks);
    table->showChildrenOf(parent);
    layout->addWidget(table);
    return table;
}

CElementTable *CElementForm::addHeldTable(QBoxLayout *layout, const QString &holder, const QString &child,
                                          const QStringList &headers, const std::vector<CFieldPath> &columns,
                                          const std::vector<Check> &checks)
{
    auto *table = new CElementTable(child, headers, columns, checks);
    table->setStore([this, holder, child](const std::vector<FeedElement> &children) { storeHeld(holder, child, children); });
    layout->addWidget(table);
    m_heldTables.emplace_back(holder, table);
    return table;
}

std::vector<FeedElement> CElementForm::heldChildren(const QString &holder, const QString &child) const
{
    const std::vector<FeedElement> holders = elements(holder);
    return holders.empty() ? std::vector<FeedElement>() : holders.front().childrenNamed(child);
}

void CElementForm::storeHeld(const QString &holder, const QString &child, const std::vector<FeedElement> &children)
{
    std::vector<FeedElement> holders = elements(holder);
    if (holders.empty())
        holders.push_back(FeedElement{holder, {}, {}, {}});
    FeedElement &kept = holders.front();
    kept.setChildrenNamed(child, children);
    if (kept.children.empty() && kept.attributes.isEmpty() && kept.text.trimmed().isEmpty())
        holders.erase(holders.begin());
    storeElements(holder, holders);
}

void CElementForm::load()
{
    for (const Field &field : m_fields) {
        const QString value = field.path.valueOf(elements(field.path.element()));
        field.show(value);
        showNote(field, value);
    }
    for (const CheckSet &set : m_checkSets)
        loadCheckSet(set);
    for (CElementTable *table : m_tables)
        table->setElements(elements(table->element()));
    for (const auto &[holder, table] : m_heldTables)
        table->setElements(heldChildren(holder, table->element()));
}

QWidget *CElementForm::editorOf(const QString &element) const
{
    for (const Field &field : m_fields) {
        if (field.path.element() == element)
            return field.editor;
    }
    for (CElementTable *table : m_tables) {
        if (table->element() == element)
            return table->table();
    }
    for (const CheckSet &set : m_checkSets) {
        if (set.element == element)
            return set.boxes.front();
    }
    for (const auto &[holder, table] : m_heldTables) {
        if (holder == element)
            return table->table();
    }
    return nullptr;
}
