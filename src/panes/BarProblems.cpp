#include "panes/BarProblems.h"

#include "document/RSSEditDoc.h"
#include "panes/BidiTextDelegate.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace {

enum Column { LevelColumn, MessageColumn, PostColumn, FieldColumn };

QIcon levelIcon(const QStyle *style, CFeedRules::Level level)
{
    switch (level) {
    case CFeedRules::Level::Error:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case CFeedRules::Level::Warning:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case CFeedRules::Level::Info:
        break;
    }
    return style->standardIcon(QStyle::SP_MessageBoxInformation);
}

// "image title", "enclosure length", "title": the field as the user knows it.
QString fieldText(const CFeedChecker::Problem &problem)
{
    QString text = problem.field;
    static const QStringList plainParents = {QStringLiteral("channel"), QStringLiteral("item"), QStringLiteral("rss"),
                                             QString()};
    if (!plainParents.contains(problem.parent) && problem.parent != problem.field)
        text.prepend(problem.parent + u' ');
    if (!problem.attribute.isEmpty())
        text += u' ' + problem.attribute;
    return text;
}

} // namespace

CBarProblems::CBarProblems(const QString &title, CRSSEditDoc *doc, QWidget *parent)
    : CSizingControlBarCF(title, parent)
    , m_doc(doc)
    , m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("ProblemsBar"));
    // The level shows as its icon, which leaves the narrow pane's width to the message.
    m_list->setHeaderLabels({QString(), tr("Message"), tr("Post"), tr("Field")});
    m_list->headerItem()->setToolTip(LevelColumn, tr("Level"));
    m_list->headerItem()->setData(LevelColumn, Qt::AccessibleTextRole, tr("Level"));
    m_list->setAccessibleName(tr("Problems"));
    m_list->setAccessibleDescription(tr("The problems the last check found; Enter shows where one is"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setWordWrap(false);
    m_list->setTextElideMode(Qt::ElideRight);
    // Titles and quoted values keep their own direction in a window of the other.
    m_list->setItemDelegate(new CBidiTextDelegate(m_list));
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setMinimumSectionSize(24);
    m_list->header()->setSectionResizeMode(LevelColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(PostColumn, QHeaderView::Interactive);
    m_list->header()->setSectionResizeMode(FieldColumn, QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::itemActivated, this, &CBarProblems::activate);
    setWidget(m_list);
    if (m_doc) {
        connect(m_doc, &CRSSEditDoc::postsInserted, this, &CBarProblems::followInsertedPost);
        connect(m_doc, &CRSSEditDoc::postRemoved, this, &CBarProblems::followRemovedPost);
    }
}

void CBarProblems::setProblems(const QList<CFeedChecker::Problem> &problems)
{
    m_problems = problems;
    m_list->clear();
    const int posts = m_doc ? m_doc->feed()->GetPostCount() : 0;
    QList<QTreeWidgetItem *> rows;
    rows.reserve(problems.size());
    const QFontMetrics metrics = m_list->fontMetrics();
    m_postWidth = m_list->header()->sectionSizeHint(PostColumn);
    for (const CFeedChecker::Problem &problem : problems) {
        auto *row = new QTreeWidgetItem;
        row->setIcon(LevelColumn, levelIcon(style(), problem.level()));
        row->setToolTip(LevelColumn, CFeedRules::LevelName(problem.level()));
        row->setData(LevelColumn, Qt::AccessibleTextRole, CFeedRules::LevelName(problem.level()));
        row->setText(MessageColumn, problem.message);
        row->setToolTip(MessageColumn, tr("%1 (line %2) [%3]")
                                               .arg(problem.message)
                                               .arg(problem.line)
                                               .arg(problem.ruleName()));
        if (problem.post < 0)
            row->setText(PostColumn, problem.line > 0 ? tr("Channel") : QString());
        else if (problem.post < posts)
            row->setText(PostColumn, m_doc->GetPostField(problem.post, CRSSEditDoc::PostTitle));
        row->setText(FieldColumn, fieldText(problem));
        m_postWidth = qMax(m_postWidth, metrics.horizontalAdvance(row->text(PostColumn)) + 2 * metrics.averageCharWidth());
        rows.append(row);
    }
    m_list->addTopLevelItems(rows);
    fitPostColumn();
}

// The rows stay as they are: only the posts behind them moved.
void CBarProblems::followInsertedPost(int index)
{
    for (CFeedChecker::Problem &problem : m_problems) {
        if (problem.post >= index)
            ++problem.post;
    }
}

void CBarProblems::followRemovedPost(int index)
{
    QList<CFeedChecker::Problem> kept;
    for (CFeedChecker::Problem problem : std::as_const(m_problems)) {
        if (problem.post == index)
            continue;
        if (problem.post > index)
            --problem.post;
        kept.append(problem);
    }
    if (kept.size() == m_problems.size()) {
        m_problems = kept;
        return;
    }
    setProblems(kept);
    emit problemsDropped();
}

void CBarProblems::resizeEvent(QResizeEvent *event)
{
    CSizingControlBarCF::resizeEvent(event);
    fitPostColumn();
}

// Post titles may be long: a quarter of the pane at most.
void CBarProblems::fitPostColumn()
{
    m_list->setColumnWidth(PostColumn, qMin(m_postWidth, m_list->viewport()->width() / 4));
}

void CBarProblems::activate(QTreeWidgetItem *row)
{
    const int index = m_list->indexOfTopLevelItem(row);
    if (index >= 0 && index < m_problems.size())
        emit problemActivated(m_problems.at(index));
}
