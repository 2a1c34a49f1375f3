#pragma once

#include <QDialog>

struct NewFeedParams;
class CHtmlEngineView;

// The Create RSS Feed page: the new feed's title, link and category, typed
// on a page of the program's resources shown in a modal dialog. Ok (or
// Enter) confirms, Cancel (or Esc, or closing the window) does not.
class CCreateFeedPage : public QDialog
{
    Q_OBJECT
public:
    // Shows the page with the given values; on Ok the typed ones replace
    // them and the answer is true. Otherwise they stay as they were.
    static bool RunCreateFeedPage(QWidget *parent, NewFeedParams *params);

    CCreateFeedPage(const NewFeedParams &params, QWidget *parent = nullptr);

    CHtmlEngineView *page() const { return m_page; }
    // The values as the page shows them.
    NewFeedParams values() const;

private:
    void onElementEvent(int code, const QString &id);

    CHtmlEngineView *m_page;
};
