#include "panes/FeedPropertiesWnd.h"

#include "core/PodcastCategories.h"
#include "core/ValueCheck.h"
#include "document/RSSEditDoc.h"
#include "links/LanguageCodes.h"
#include "panes/ElementForm.h"
#include "panes/ElementTable.h"
#include "panes/OtherElementsList.h"
#include "panes/PodcastCategoryDelegate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kYes = QStringLiteral("Yes");

// A page that scrolls when the window is smaller than its fields.
QWidget *scrolling(QWidget *page)
{
    auto *area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

QFormLayout *formIn(QGroupBox *group)
{
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

QStringList languageCodes()
{
    QStringList codes;
    for (const LanguageCode &language : CLanguageCodes::all())
        codes.append(language.code);
    return codes;
}

QString noteOnCategory(const QString &name)
{
    return CPodcastCategories::isCategory(name) ? QString() : QStringLiteral("Not one of Apple's podcast categories");
}

QString noteOnSubcategory(const FeedElement &category, const QString &name)
{
    const QString parent = category.attribute(QStringLiteral("text"));
    return CPodcastCategories::isSubcategory(parent, name)
        ? QString()
        : QStringLiteral("Not one of Apple's subcategories of \u201c%1\u201d").arg(parent);
}

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list.append(QString::number(n));
    return list;
}

} // namespace

CFeedPropertiesWnd::CFeedPropertiesWnd(CRSSEditDoc *doc, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_doc(doc)
    , m_form(new CElementForm(doc, this))
    , m_tabs(new QTabWidget(this))
    , m_podcast(new QCheckBox(QStringLiteral("Podcast"), this))
{
    setObjectName(QStringLiteral("feedProperties"));
    m_podcast->setObjectName(QStringLiteral("podcast"));
    m_podcast->setToolTip(QStringLiteral("Declares the iTunes and podcast namespaces and shows the podcast tags"));
    m_tabs->addTab(scrolling(channelPage()), QStringLiteral("Channel"));
    m_tabs->addTab(scrolling(categoriesPage()), QStringLiteral("Categories and Image"));
    m_tabs->addTab(scrolling(cloudPage()), QStringLiteral("Cloud and Text Input"));
    m_tabs->addTab(scrolling(skipPage()), QStringLiteral("Skip"));
    m_podcastTab = m_tabs->addTab(scrolling(podcastPage()), QStringLiteral("Podcast"));
    m_tabs->addTab(othersPage(), QStringLiteral("Other Elements"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_podcast);
    layout->addWidget(m_tabs);
    placeOnScreen();

    connect(m_podcast, &QCheckBox::clicked, this, [this](bool on) {
        if (m_doc)
            m_doc->SetPodcast(on);
        load();
    });
    // A window of its own, closed like a dialog.
    auto *close = new QShortcut(QKeySequence::Cancel, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    connect(doc, &CRSSEditDoc::pathChanged, this, &CFeedPropertiesWnd::updateTitle);
    connect(doc, &CRSSEditDoc::headerChanged, this, &CFeedPropertiesWnd::load);
    connect(doc, &CRSSEditDoc::feedReset, this, &CFeedPropertiesWnd::load);
    connect(m_form, &CElementForm::stored, this, [this](const QString &element) {
        if (element == QLatin1String("image"))
            showImagePreview();
    });
    load();
}

// 720 by 680 where there is room, over the middle of the main window, and
// all of it within the screen's free area with room for the title bar the
// window manager adds: a 1024x700 screen shows the whole window.
void CFeedPropertiesWnd::placeOnScreen()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    const QMargins frame(8, 40, 8, 8);
    const QRect room = screen->availableGeometry().marginsRemoved(frame);
    QRect placed(QPoint(), QSize(720, 680).boundedTo(room.size()));
    placed.moveCenter(owner ? owner->geometry().center() : room.center());
    placed.moveLeft(qBound(room.left(), placed.left(), room.right() + 1 - placed.width()));
    placed.moveTop(qBound(room.top(), placed.top(), room.bottom() + 1 - placed.height()));
    setGeometry(placed);
}

QWidget *CFeedPropertiesWnd::channelPage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    using P = CFieldPath;
    m_form->addLine(form, QStringLiteral("&Title:"), P(QStringLiteral("title")));
    m_form->addLine(form, QStringLiteral("&Link:"), P(QStringLiteral("link")), CElementForm::url());
    m_form->addText(form, QStringLiteral("&Description:"), P(QStringLiteral("description")));
    m_form->addLine(form, QStringLiteral("Public &address:"),
                    P(QStringLiteral("atom:link"), QString(), QStringLiteral("href"))
                        .where(QStringLiteral("rel"), QStringLiteral("self")),
                    CElementForm::url())
        ->setPlaceholderText(QStringLiteral("Where readers subscribe (atom:link rel=\"self\")"));
    QComboBox *language = m_form->addChoice(form, QStringLiteral("Lan&guage:"), P(QStringLiteral("language")),
                                            languageCodes(), &CValueCheck::LanguageCode);
    // The list shows the codes feeds hold; each one's name is its tip.
    const QList<LanguageCode> &codes = CLanguageCodes::all();
    for (int i = 0; i < codes.size(); ++i)
        language->setItemData(i + 1, codes.at(i).name, Qt::ToolTipRole);
    m_form->addLine(form, QStringLiteral("&Copyright:"), P(QStringLiteral("copyright")));
    m_form->addLine(form, QStringLiteral("&Managing editor:"), P(QStringLiteral("managingEditor")),
                    CElementForm::email());
    m_form->addLine(form, QStringLiteral("&Webmaster:"), P(QStringLiteral("webMaster")), CElementForm::email());
    m_form->addDate(form, QStringLiteral("&Publication date:"), P(QStringLiteral("pubDate")), CElementForm::date());
    m_form->addDate(form, QStringLiteral("Last &build date:"), P(QStringLiteral("lastBuildDate")),
                    CElementForm::date());
    m_form->addLine(form, QStringLiteral("&Generator:"), P(QStringLiteral("generator")));
    m_form->addLine(form, QStringLiteral("D&ocs:"), P(QStringLiteral("docs")), CElementForm::url());
    m_form->addLine(form, QStringLiteral("TT&L (minutes):"), P(QStringLiteral("ttl")),
                    CElementForm::integer(0, 2147483647));
    m_form->addLine(form, QStringLiteral("&Rating:"), P(QStringLiteral("rating")));
    return page;
}

QWidget *CFeedPropertiesWnd::categoriesPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *categories = new QGroupBox(QStringLiteral("Categories"));
    auto *categoryRows = new QVBoxLayout(categories);
    m_form->addTable(categoryRows, QStringLiteral("category"), {QStringLiteral("Category"), QStringLiteral("Domain")},
                     {CFieldPath(QString()), CFieldPath(QString(), QString(), QStringLiteral("domain"))});
    layout->addWidget(categories);

    auto *image = new QGroupBox(QStringLiteral("Image"));
    auto *imageRow = new QHBoxLayout(image);
    auto *fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const QString name = QStringLiteral("image");
    m_form->addLine(fields, QStringLiteral("&URL:"), CFieldPath(name, QStringLiteral("url")), CElementForm::url());
    m_form->addLine(fields, QStringLiteral("&Title:"), CFieldPath(name, QStringLiteral("title")));
    m_form->addLine(fields, QStringLiteral("&Link:"), CFieldPath(name, QStringLiteral("link")), CElementForm::url());
    m_form->addLine(fields, QStringLiteral("&Width:"), CFieldPath(name, QStringLiteral("width")),
                    CElementForm::integer(1, 144));
    m_form->addLine(fields, QStringLiteral("&Height:"), CFieldPath(name, QStringLiteral("height")),
                    CElementForm::integer(1, 400));
    m_form->addLine(fields, QStringLiteral("&Description:"), CFieldPath(name, QStringLiteral("description")));
    imageRow->addLayout(fields, 1);
    m_imagePreview = new QLabel;
    m_imagePreview->setObjectName(QStringLiteral("imagePreview"));
    m_imagePreview->setAlignment(Qt::AlignCenter);
    m_imagePreview->setWordWrap(true);
    m_imagePreview->setMinimumSize(144, 100);
    m_imagePreview->setFrameShape(QFrame::StyledPanel);
    imageRow->addWidget(m_imagePreview, 0, Qt::AlignTop);
    layout->addWidget(image);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::cloudPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *cloud = new QGroupBox(QStringLiteral("Cloud (notification of updates)"));
    QFormLayout *cloudForm = formIn(cloud);
    const QString name = QStringLiteral("cloud");
    auto at = [&name](const char *attribute) {
        return CFieldPath(name, QString(), QString::fromLatin1(attribute));
    };
    m_form->addLine(cloudForm, QStringLiteral("&Domain:"), at("domain"));
    m_form->addLine(cloudForm, QStringLiteral("&Port:"), at("port"), CElementForm::integer(1, 65535));
    m_form->addLine(cloudForm, QStringLiteral("P&ath:"), at("path"));
    m_form->addLine(cloudForm, QStringLiteral("&Register procedure:"), at("registerProcedure"));
    m_form->addChoice(cloudForm, QStringLiteral("Pro&tocol:"), at("protocol"),
                      {QStringLiteral("xml-rpc"), QStringLiteral("soap"), QStringLiteral("http-post")});
    layout->addWidget(cloud);

    auto *textInput = new QGroupBox(QStringLiteral("Text input"));
    QFormLayout *inputForm = formIn(textInput);
    const QString input = QStringLiteral("textInput");
    m_form->addLine(inputForm, QStringLiteral("T&itle:"), CFieldPath(input, QStringLiteral("title")));
    m_form->addLine(inputForm, QStringLiteral("D&escription:"), CFieldPath(input, QStringLiteral("description")));
    m_form->addLine(inputForm, QStringLiteral("&Name:"), CFieldPath(input, QStringLiteral("name")));
    m_form->addLine(inputForm, QStringLiteral("&Link:"), CFieldPath(input, QStringLiteral("link")),
                    CElementForm::url());
    layout->addWidget(textInput);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::skipPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *hours = new QGroupBox(QStringLiteral("Skip hours (GMT): readers do not fetch the feed in these hours"));
    auto *hourRows = new QVBoxLayout(hours);
    m_form->addCheckSet(hourRows, QStringLiteral("skipHours"), QStringLiteral("hour"), numbers(0, 23), 8);
    layout->addWidget(hours);
    auto *days = new QGroupBox(QStringLiteral("Skip days: readers do not fetch the feed on these days"));
    auto *dayRows = new QVBoxLayout(days);
    m_form->addCheckSet(dayRows, QStringLiteral("skipDays"), QStringLiteral("day"),
                        {QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
                         QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday"),
                         QStringLiteral("Sunday")},
                        4);
    layout->addWidget(days);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::podcastPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    using P = CFieldPath;
    const QString href = QStringLiteral("href");

    auto *show = new QGroupBox(QStringLiteral("Show (iTunes)"));
    QFormLayout *form = formIn(show);
    m_form->addLine(form, QStringLiteral("&Title:"), P(QStringLiteral("itunes:title")));
    m_form->addLine(form, QStringLiteral("&Author:"), P(QStringLiteral("itunes:author")));
    m_form->addLine(form, QStringLiteral("Owner &name:"), P(QStringLiteral("itunes:owner"), QStringLiteral("itunes:name")));
    m_form->addLine(form, QStringLiteral("Owner &e-mail:"),
                    P(QStringLiteral("itunes:owner"), QStringLiteral("itunes:email")), CElementForm::emailAddress());
    m_form->addLine(form, QStringLiteral("&Image:"), P(QStringLiteral("itunes:image"), QString(), href),
                    CElementForm::url());
    m_form->addChoice(form, QStringLiteral("E&xplicit:"), P(QStringLiteral("itunes:explicit")),
                      {QStringLiteral("true"), QStringLiteral("false")});
    m_form->addChoice(form, QStringLiteral("T&ype:"), P(QStringLiteral("itunes:type")),
                      {QStringLiteral("episodic"), QStringLiteral("serial")});
    m_form->addLine(form, QStringLiteral("New &feed URL:"), P(QStringLiteral("itunes:new-feed-url")),
                    CElementForm::url());
    m_form->addChoice(form, QStringLiteral("&Block:"), P(QStringLiteral("itunes:block")), {kYes});
    m_form->addChoice(form, QStringLiteral("&Complete:"), P(QStringLiteral("itunes:complete")), {kYes});
    layout->addWidget(show);

    auto *categories = new QGroupBox(QStringLiteral("iTunes categories"));
    auto *categoryRows = new QVBoxLayout(categories);
    const QString text = QStringLiteral("text");
    CElementTable *itunesCategories =
        m_form->addTable(categoryRows, QStringLiteral("itunes:category"),
                         {QStringLiteral("Category"), QStringLiteral("Subcategory")},
                         {P(QString(), QString(), text), P(QString(), QStringLiteral("itunes:category"), text)},
                         {&noteOnCategory});
    itunesCategories->setCheck(1, &noteOnSubcategory);
    itunesCategories->table()->setItemDelegate(new CPodcastCategoryDelegate(itunesCategories->table()));
    layout->addWidget(categories);

    auto *index = new QGroupBox(QStringLiteral("Podcast index"));
    QFormLayout *indexForm = formIn(index);
    m_form->addChoice(indexForm, QStringLiteral("&Locked:"), P(QStringLiteral("podcast:locked")),
                      {QStringLiteral("yes"), QStringLiteral("no")});
    m_form->addLine(indexForm, QStringLiteral("Lock o&wner:"),
                    P(QStringLiteral("podcast:locked"), QString(), QStringLiteral("owner")), CElementForm::emailAddress());
    m_form->addLine(indexForm, QStringLiteral("&GUID:"), P(QStringLiteral("podcast:guid")))->setReadOnly(true);
    m_form->addChoice(indexForm, QStringLiteral("&Medium:"), P(QStringLiteral("podcast:medium")),
                      {QStringLiteral("podcast"), QStringLiteral("music"), QStringLiteral("video"),
                       QStringLiteral("film"), QStringLiteral("audiobook"), QStringLiteral("newsletter"),
                       QStringLiteral("blog")});
    m_form->addLine(indexForm, QStringLiteral("Li&cense:"), P(QStringLiteral("podcast:license")));
    m_form->addLine(indexForm, QStringLiteral("License &URL:"),
                    P(QStringLiteral("podcast:license"), QString(), QStringLiteral("url")), CElementForm::url());
    m_form->addLine(indexForm, QStringLiteral("L&ocation:"), P(QStringLiteral("podcast:location")));
    m_form->addLine(indexForm, QStringLiteral("Location ge&o:"),
                    P(QStringLiteral("podcast:location"), QString(), QStringLiteral("geo")));
    m_form->addLine(indexForm, QStringLiteral("Location OS&M:"),
                    P(QStringLiteral("podcast:location"), QString(), QStringLiteral("osm")));
    layout->addWidget(index);

    auto *funding = new QGroupBox(QStringLiteral("Funding"));
    auto *fundingRows = new QVBoxLayout(funding);
    m_form->addTable(fundingRows, QStringLiteral("podcast:funding"), {QStringLiteral("URL"), QStringLiteral("Text")},
                     {P(QString(), QString(), QStringLiteral("url")), P(QString())}, {CElementForm::url(), {}});
    layout->addWidget(funding);

    auto *persons = new QGroupBox(QStringLiteral("Persons"));
    auto *personRows = new QVBoxLayout(persons);
    m_form->addTable(personRows, QStringLiteral("podcast:person"),
                     {QStringLiteral("Name"), QStringLiteral("Role"), QStringLiteral("Group"), QStringLiteral("Image"),
                      QStringLiteral("Link")},
                     {P(QString()), P(QString(), QString(), QStringLiteral("role")),
                      P(QString(), QString(), QStringLiteral("group")), P(QString(), QString(), QStringLiteral("img")),
                      P(QString(), QString(), href)},
                     {{}, {}, {}, CElementForm::url(), CElementForm::url()});
    layout->addWidget(persons);
    return page;
}

QWidget *CFeedPropertiesWnd::othersPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *about = new QLabel(QStringLiteral("Elements of the channel that these pages do not edit. "
                                            "They stay in the file as they are."));
    about->setWordWrap(true);
    layout->addWidget(about);
    m_others = new COtherElementsList;
    layout->addWidget(m_others);
    return page;
}

void CFeedPropertiesWnd::load()
{
    if (!m_doc)
        return;
    updateTitle();
    const bool podcast = m_doc->IsPodcast();
    m_podcast->setChecked(podcast);
    m_tabs->setTabVisible(m_podcastTab, podcast);
    m_form->load();
    showImagePreview();
    m_others->setElements(m_doc->feed()->GetOtherChannelElements());
}

// Only a picture on this machine shows: the window never waits for the network.
void CFeedPropertiesWnd::showImagePreview()
{
    const QString address = CFieldPath(QStringLiteral("image"), QStringLiteral("url")).valueOf(m_form->elements(QStringLiteral("image"))).trimmed();
    const QUrl url(address);
    QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    if (path.isEmpty() && !address.isEmpty() && url.scheme().size() <= 1 && m_doc) {
        // A relative address is taken from the feed file's folder.
        path = QFileInfo(QFileInfo(m_doc->path()).absoluteDir(), address).absoluteFilePath();
    }
    const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    if (picture.isNull()) {
        m_imagePreview->setPixmap(QPixmap());
        m_imagePreview->setText(address.isEmpty() ? QStringLiteral("No image") : QStringLiteral("The image is not on this computer: no preview"));
        return;
    }
    m_imagePreview->setPixmap(picture.scaled(QSize(144, 400).boundedTo(picture.size()), Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation));
}

void CFeedPropertiesWnd::updateTitle()
{
    setWindowTitle(QStringLiteral("Feed Properties \u2014 %1").arg(m_doc->title()));
}

bool CFeedPropertiesWnd::focusElement(const QString &element)
{
    QWidget *editor = m_form->editorOf(element);
    if (!editor)
        return false;
    for (int tab = 0; tab < m_tabs->count(); ++tab) {
        if (m_tabs->widget(tab)->isAncestorOf(editor) && m_tabs->isTabVisible(tab)) {
            m_tabs->setCurrentIndex(tab);
            editor->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

