#include "shell/CreateFeedPage.h"

#include "document/RSSEditDoc.h"
#include "engine/HtmlEngineView.h"
#include "engine/HtmlFormDialog.h"

#include <QCoreApplication>

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
    dialog.engine()->setPageTexts({
        {QStringLiteral("title"), QCoreApplication::translate("CreateFeedPage", "Create RSS Feed")},
        {QStringLiteral("feed-title"), QCoreApplication::translate("CreateFeedPage", "Title:")},
        {QStringLiteral("feed-title-hint"), QCoreApplication::translate("CreateFeedPage", "Type title of feed here")},
        {QStringLiteral("link"), QCoreApplication::translate("CreateFeedPage", "Link:")},
        {QStringLiteral("link-hint"), QCoreApplication::translate("CreateFeedPage", "Type link to feed here")},
        {QStringLiteral("category"), QCoreApplication::translate("CreateFeedPage", "Category:")},
        {QStringLiteral("category-hint"), QCoreApplication::translate("CreateFeedPage", "Type category of feed here")},
        {QStringLiteral("ok"), QCoreApplication::translate("CreateFeedPage", "OK")},
        {QStringLiteral("cancel"), QCoreApplication::translate("CreateFeedPage", "Cancel")},
    });
    if (dialog.RunHtmlDialog(QStringLiteral(":/shell/pages/create_feed.html")) != CHtmlDialog::ResultOk)
        return false;
    *params = {values.value(kTitle).toString(), values.value(kLink).toString(), values.value(kCategory).toString()};
    return true;
}
