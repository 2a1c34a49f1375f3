#pragma once

#include "document/PostOrder.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QPointer>

class CRSSEditDoc;
class QDeadlineTimer;

// The rows of the posts list: a view of the feed through the row order. It
// stores no post data but the titles the filter matches; every title, date,
// icon and tip shown is read from the feed when the list asks for it.
class CPostsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TitleColumn = 0, DateColumn = 1, ColumnCount = 2 };
    // The length of the whole words a row's title begins with as the title
    // of the row above or below does (a podcast's name, say), which tell
    // neither from the other: an int, 0 when there are none.
    // ShortDateRole: the date without its time, for a cell too narrow for both.
    enum Role { SharedTitleStartRole = Qt::UserRole + 1, ShortDateRole };

    CPostsModel(CRSSEditDoc *doc, QObject *parent = nullptr);

    // The row order. After changing it, call resetRows().
    CPostOrder &order() { return m_order; }
    const CPostOrder &order() const { return m_order; }
    // Tells the views that every row may have changed.
    void resetRows();
    // Goes on with the filter the order started (CPostOrder::startFilter)
    // until the deadline or until `enough` matches are found; true when
    // the filter is done.
    bool filterSome(const QDeadlineTimer &deadline, int enough);
    // Lists the filter's matches found so far: in place of the rows the
    // first time, after them later.
    void showMatches();
    // Repaints one row, e.g. after its post's title or link changed.
    void refreshRow(int row);

    // The post shown in the row, or -1.
    int postAt(int row) const { return m_order.postAt(row); }

    // "Title [date]" and the plain description with the link below it, as
    // the row's tooltip shows them.
    QString tipTitle(int post) const;
    QString shownDate(int post) const;
    static QString localDate(const QDateTime &moment);
    QString tipText(int post) const;

    // The list's layout asks it of every row: answered without calls back
    // to rowCount and columnCount.
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Renames the row's post through the document.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    // The row's post when the feed still has it, else -1.
    int validPostAt(int row) const;
    bool hasUnreadableDate(int post) const;
    QString tooltip(int post) const;
    QString liveTip(int post) const;
    QString dateText(int post) const;
    QString shortDate(int post) const;
    QString accessibleText(int post, int column) const;
    int sharedTitleStart(int row, int post) const;
    QDateTime momentOf(const QString &date) const;

    QPointer<CRSSEditDoc> m_doc;
    CPostOrder m_order;
    // The last date read: a cell's roles, asked one after another, each
    // read the same date.
    mutable QString m_lastDateText;
    mutable QDateTime m_lastMoment;
};
