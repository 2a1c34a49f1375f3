#include "shell/CreateFeedPage.h"

#include "document/RSSEditDoc.h"
#include "engine/HtmlFormDialog.h"

namespace {

const QString kTitle = QStringLiteral("elem_title");
const QString kLink = QStringLiteral("elem_link");
const QString kCategory = QStringLiteral("elem_cat");

} // namespace

bool RunCreateFeedPage(QWidget *parent, NewFeedParams *params)
{
    DialogValues values{{kTitle, params->title}, {kLink, params->link}, {kCategory, params->category}};
    CHtmlFormDialog dialog(parent, kTitle);
    dialog.setObjectName(QStringLiteral("createFeedPage"));
    dialog.setPlacement(CHtmlDialog::CenterParent);
    dialog.setValues(&values);
    if (dialog.RunHtmlDialog(QStringLiteral(":/shell/pages/create_feed.html")) != CHtmlDialog::ResultOk)
        return false;
    *params = {values.value(kTitle).toString(), values.value(kLink).toString(), values.value(kCategory).toString()};
    return true;
}
