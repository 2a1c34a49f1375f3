#include "shell/CreateFeedPage.h"

#include "document/RSSEditDoc.h"
#include "engine/HtmlEngineView.h"
#include "engine/HtmlFormDialog.h"

#include <QCoreApplication>

namespace {

const QString kTitle = QStringLiteral("elem_title");
const QString kLink = QStringLiteral("elem_link");
const QString kSelfLink = QStringLiteral("elem_self");
const QString kDescription = QStringLiteral("elem_desc");
const QString kCategory = QStringLiteral("elem_cat");

} // namespace

bool RunCreateFeedPage(QWidget *parent, NewFeedParams *params)
{
    DialogValues values{{kTitle, params->title},
                        {kLink, params->link},
                        {kSelfLink, params->selfLink},
                        {kDescription, params->description},
                        {kCategory, params->category}};
    CHtmlFormDialog dialog(parent, kTitle);
    dialog.setObjectName(QStringLiteral("createFeedPage"));
    dialog.setPlacement(CHtmlDialog::CenterParent);
    dialog.setValues(&values);
    dialog.engine()->setPageTexts({
        {QStringLiteral("title"), QCoreApplication::translate("CreateFeedPage", "Create RSS Feed")},
        {QStringLiteral("feed-title"), QCoreApplication::translate("CreateFeedPage", "Title:")},
        {QStringLiteral("feed-title-hint"), QCoreApplication::translate("CreateFeedPage", "The feed's name (required)")},
        {QStringLiteral("link"), QCoreApplication::translate("CreateFeedPage", "Web site:")},
        {QStringLiteral("link-hint"), QCoreApplication::translate("CreateFeedPage", "https://… of the site the feed is for (required)")},
        {QStringLiteral("self-link"), QCoreApplication::translate("CreateFeedPage", "Feed address:")},
        {QStringLiteral("self-link-hint"), QCoreApplication::translate("CreateFeedPage", "https://… the feed file is published at")},
        {QStringLiteral("description"), QCoreApplication::translate("CreateFeedPage", "Description:")},
        {QStringLiteral("description-hint"), QCoreApplication::translate("CreateFeedPage", "What the feed is about (required)")},
        {QStringLiteral("category"), QCoreApplication::translate("CreateFeedPage", "Category:")},
        {QStringLiteral("category-hint"), QCoreApplication::translate("CreateFeedPage", "Type category of feed here")},
        {QStringLiteral("required"),
         QCoreApplication::translate("CreateFeedPage", "RSS requires a title, a web site and a description. The feed "
                                                       "address, where readers find the feed when it moves, may wait "
                                                       "until you know it. Empty fields are left out of the file.")},
        {QStringLiteral("ok"), QCoreApplication::translate("CreateFeedPage", "OK")},
        {QStringLiteral("cancel"), QCoreApplication::translate("CreateFeedPage", "Cancel")},
    });
    if (dialog.RunHtmlDialog(QStringLiteral(":/shell/pages/create_feed.html")) != CHtmlDialog::ResultOk)
        return false;
    *params = {values.value(kTitle).toString(), values.value(kLink).toString(), values.value(kCategory).toString(),
               values.value(kSelfLink).toString(), values.value(kDescription).toString()};
    return true;
}
