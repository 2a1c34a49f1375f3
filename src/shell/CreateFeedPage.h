#pragma once

struct NewFeedParams;
class QWidget;

// The Create RSS Feed page: the new feed's title, web site, own address,
// description and category, typed on a dialog page of the program's
// resources. Shows the page with the given values; on Ok (or Enter) the typed ones replace them and the answer is
// true. Cancel, Esc or closing the window leave them as they were.
bool RunCreateFeedPage(QWidget *parent, NewFeedParams *params);
