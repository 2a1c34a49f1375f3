#pragma once

#include "panes/BidiTextDelegate.h"

#include <QColor>

// Paints the rows of the posts list and edits a post's title in place.
// Odd rows are shaded; the list has the delegate frame its current row. The editor is larger than the row, several lines
// high, with red text on the tooltip colour, so that a long title is easy to
// read while it changes.
class CPostRowDelegate : public CBidiTextDelegate
{
    Q_OBJECT
public:
    explicit CPostRowDelegate(QObject *parent = nullptr);

    // The background of odd rows: each component lowered by 20, wrapping
    // around below 0; black is raised by 20 instead.
    static QColor shadedColor(const QColor &background);
    // The frame of the current row inside the row's rectangle, clipped to
    // the client width when the row is wider.
    static QRect currentRowFrame(const QRect &row, int clientWidth);

    // The red frame of the current row, over the row's cells.
    static void paintCurrentRowFrame(QPainter *painter, const QRect &row, int clientWidth);

    // Every row as high as one with a mark (a live item's status): the list
    // takes all rows' height from its first, which may have none.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    static void skipSharedTitleStart(QStyleOptionViewItem *option, const QModelIndex &index);
    static void shortenDate(QStyleOptionViewItem *option, const QModelIndex &index);
    static bool measuredWhole(const QStyleOptionViewItem &option);
    static int textRoom(const QStyleOptionViewItem &option);
    static bool textFits(const QStyleOptionViewItem &option);
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // The height of a row without a mark of its own, `height` high, once
    // it has one. That depends on its text's height alone, not on the text
    // itself, so the last answer is kept: the columns' widths are measured
    // over a thousand rows, which would each lay their text out again.
    int markedHeight(const QStyleOptionViewItem &option, const QModelIndex &index, int height) const;

    struct MarkedHeight
    {
        const QStyle *style = nullptr;
        QSize markSize;
        int height = -1;
        int marked = 0;
    };
    mutable MarkedHeight m_lastMarked;
};
