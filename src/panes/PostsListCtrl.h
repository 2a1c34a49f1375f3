#pragma once

#include <QString>
#include <QStringList>
#include <QTreeView>

#include <utility>

class CPostRowDelegate;
class QMimeData;

// The list of the posts bar: two columns (title and date), whole rows
// selected, a post's title renamed in place by F2 or the bar. While it has no rows it shows a grey text in its middle.
class CPostsListCtrl : public QTreeView
{
    Q_OBJECT
public:
    explicit CPostsListCtrl(QWidget *parent = nullptr);


    QString emptyText() const { return m_strEmptyText; }
    void setEmptyText(const QString &text);

    bool isRenaming() const { return state() == QAbstractItemView::EditingState; }
    // Opens the in-place title editor on the row.
    void startRename(int row);
    // Keeps the title typed in the open editor, if any, and closes it.
    void finishRename();
    // Closes the title editor, if open, keeping nothing typed in it. The
    // rows are about to name other posts: what was typed for one post must
    // never land on the post that takes its row.
    void cancelRename();

    void setModel(QAbstractItemModel *model) override;

    // Every column as wide as its header and contents, then the last one
    // over the rest of the width.
    void fitColumns();

    // Makes the row current and selected, alone, and scrolls to it.
    void selectRow(int row);

    // What a drop on the list hands on: the dropped local files, when one
    // at least is an audio file (the command names those it skips); none
    // otherwise, and the list refuses the drop.
    static QStringList droppedFiles(const QMimeData *data);

signals:
    // Audio files were dropped on the list, to become episodes.
    void audioFilesDropped(const QStringList &paths);

protected:
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // Each column's width for its header and the rows the view measures
    // (those in view and those around them, a thousand at most), kept
    // until the rows, the rows to measure or the font change: measuring
    // reads every one of those posts from the feed, and a window being laid
    // out resizes the list several times.
    const QList<int> &contentWidths();
    // Names the rows that measuring would read.
    std::pair<int, int> measuredRows() const;
    QList<int> currentWidths() const;
    void forgetContentWidths() { m_contentWidths.clear(); }
    static void acceptAudio(QDropEvent *event);
    void paintEmptyText();
    QColor emptyTextColor() const;

    CPostRowDelegate *m_delegate;
    QString m_strEmptyText;
    QPersistentModelIndex m_renamedTitle;
    QList<int> m_contentWidths;
    std::pair<int, int> m_measuredRows{-1, -1};
};
