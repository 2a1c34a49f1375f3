#include "panes/FeedPropertiesWnd.h"

#include "core/LanguageCodes.h"
#include "core/PodcastCategories.h"
#include "core/PodcastValues.h"
#include "core/ValueCheck.h"
#include "document/RSSEditDoc.h"
#include "panes/ElementForm.h"
#include "panes/ElementTable.h"
#include "panes/OtherElementsList.h"
#include "panes/PodcastCategoryDelegate.h"
#include "panes/PodcastFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
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
    return CPodcastCategories::isCategory(name) ? QString() : CFeedPropertiesWnd::tr("Not one of Apple's podcast categories");
}

QString noteOnSubcategory(const FeedElement &category, const QString &name)
{
    const QString parent = category.attribute(QStringLiteral("text"));
    return CPodcastCategories::isSubcategory(parent, name)
        ? QString()
        : CFeedPropertiesWnd::tr("Not one of Apple's subcategories of \u201c%1\u201d").arg(parent);
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
    , m_podcast(new QCheckBox(tr("Podcast"), this))
{
    setObjectName(QStringLiteral("feedProperties"));
    m_podcast->setObjectName(QStringLiteral("podcast"));
    m_podcast->setToolTip(tr("Declares the iTunes and podcast namespaces and shows the podcast tags"));
    m_tabs->addTab(scrolling(channelPage()), tr("Channel"));
    m_tabs->addTab(scrolling(categoriesPage()), tr("Categories and Image"));
    m_tabs->addTab(scrolling(cloudPage()), tr("Cloud and Text Input"));
    m_tabs->addTab(scrolling(skipPage()), tr("Skip"));
    m_podcastTab = m_tabs->addTab(podcastPage(), tr("Podcast"));
    m_tabs->addTab(othersPage(), tr("Other Elements"));

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
// window manager adds: a 1024x700 screen shows the whole window. Some place
// the window's top, not its title bar's, where asked, one title bar lower:
// the room kept below takes that too. The pages scroll in what is left.
void CFeedPropertiesWnd::placeOnScreen()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    const QMargins frame(8, 40, 8, 48);
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
    m_form->addLine(form, tr("&Title:"), P(QStringLiteral("title")));
    m_form->addLine(form, tr("&Link:"), P(QStringLiteral("link")), CElementForm::url());
    m_form->addText(form, tr("&Description:"), P(QStringLiteral("description")));
    m_form->addLine(form, tr("Public &address:"),
                    P(QStringLiteral("atom:link"), QString(), QStringLiteral("href"))
                        .where(QStringLiteral("rel"), QStringLiteral("self")),
                    CElementForm::url())
        ->setPlaceholderText(tr("Where readers subscribe (atom:link rel=\"self\")"));
    QComboBox *language = m_form->addChoice(form, tr("Lan&guage:"), P(QStringLiteral("language")),
                                            languageCodes(), &CValueCheck::LanguageCode);
    // The list shows the codes feeds hold; each one's name is its tip.
    const QList<LanguageCode> &codes = CLanguageCodes::all();
    for (int i = 0; i < codes.size(); ++i)
        language->setItemData(i + 1, codes.at(i).name, Qt::ToolTipRole);
    m_form->addLine(form, tr("&Copyright:"), P(QStringLiteral("copyright")));
    m_form->addLine(form, tr("&Managing editor:"), P(QStringLiteral("managingEditor")),
                    CElementForm::email());
    m_form->addLine(form, tr("&Webmaster:"), P(QStringLiteral("webMaster")), CElementForm::email());
    m_form->addDate(form, tr("&Publication date:"), P(QStringLiteral("pubDate")), CElementForm::date());
    m_form->addDate(form, tr("Last &build date:"), P(QStringLiteral("lastBuildDate")),
                    CElementForm::date());
    m_form->addLine(form, tr("&Generator:"), P(QStringLiteral("generator")));
    m_form->addLine(form, tr("D&ocs:"), P(QStringLiteral("docs")), CElementForm::url());
    m_form->addLine(form, tr("TT&L (minutes):"), P(QStringLiteral("ttl")),
                    CElementForm::integer(0, 2147483647));
    m_form->addLine(form, tr("&Rating:"), P(QStringLiteral("rating")));
    return page;
}

QWidget *CFeedPropertiesWnd::categoriesPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *categories = new QGroupBox(tr("Categories"));
    auto *categoryRows = new QVBoxLayout(categories);
    m_form->addTable(categoryRows, QStringLiteral("category"), {tr("Category"), tr("Domain")},
                     {CFieldPath(QString()), CFieldPath(QString(), QString(), QStringLiteral("domain"))});
    layout->addWidget(categories);

    auto *image = new QGroupBox(tr("Image"));
    auto *imageRow = new QHBoxLayout(image);
    auto *fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const QString name = QStringLiteral("image");
    m_form->addLine(fields, tr("&URL:"), CFieldPath(name, QStringLiteral("url")), CElementForm::url());
    m_form->addLine(fields, tr("&Title:"), CFieldPath(name, QStringLiteral("title")));
    m_form->addLine(fields, tr("&Link:"), CFieldPath(name, QStringLiteral("link")), CElementForm::url());
    m_form->addLine(fields, tr("&Width:"), CFieldPath(name, QStringLiteral("width")),
                    CElementForm::integer(1, 144));
    m_form->addLine(fields, tr("&Height:"), CFieldPath(name, QStringLiteral("height")),
                    CElementForm::integer(1, 400));
    m_form->addLine(fields, tr("&Description:"), CFieldPath(name, QStringLiteral("description")));
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
    auto *cloud = new QGroupBox(tr("Cloud (notification of updates)"));
    QFormLayout *cloudForm = formIn(cloud);
    const QString name = QStringLiteral("cloud");
    auto at = [&name](const char *attribute) {
        return CFieldPath(name, QString(), QString::fromLatin1(attribute));
    };
    m_form->addLine(cloudForm, tr("&Domain:"), at("domain"));
    m_form->addLine(cloudForm, tr("&Port:"), at("port"), CElementForm::integer(1, 65535));
    m_form->addLine(cloudForm, tr("P&ath:"), at("path"));
    m_form->addLine(cloudForm, tr("&Register procedure:"), at("registerProcedure"));
    m_form->addChoice(cloudForm, tr("Pro&tocol:"), at("protocol"),
                      {QStringLiteral("xml-rpc"), QStringLiteral("soap"), QStringLiteral("http-post")});
    layout->addWidget(cloud);

    auto *textInput = new QGroupBox(tr("Text input"));
    QFormLayout *inputForm = formIn(textInput);
    const QString input = QStringLiteral("textInput");
    m_form->addLine(inputForm, tr("T&itle:"), CFieldPath(input, QStringLiteral("title")));
    m_form->addLine(inputForm, tr("D&escription:"), CFieldPath(input, QStringLiteral("description")));
    m_form->addLine(inputForm, tr("&Name:"), CFieldPath(input, QStringLiteral("name")));
    m_form->addLine(inputForm, tr("&Link:"), CFieldPath(input, QStringLiteral("link")),
                    CElementForm::url());
    layout->addWidget(textInput);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::skipPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *hours = new QGroupBox(tr("Skip hours (GMT): readers do not fetch the feed in these hours"));
    auto *hourRows = new QVBoxLayout(hours);
    m_form->addCheckSet(hourRows, QStringLiteral("skipHours"), QStringLiteral("hour"), numbers(0, 23), 8);
    layout->addWidget(hours);
    auto *days = new QGroupBox(tr("Skip days: readers do not fetch the feed on these days"));
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

// The podcast tags, page by page, so that each fits a small screen: the
// show as Apple reads it, the index's own tags, people and places, support,
// social links, and the feeds this one points to.
QWidget *CFeedPropertiesWnd::podcastPage()
{
    m_podcastTabs = new QTabWidget;
    m_podcastTabs->setObjectName(QStringLiteral("podcastPages"));
    m_podcastTabs->addTab(scrolling(showPage()), tr("Show"));
    m_podcastTabs->addTab(scrolling(indexPage()), tr("Index"));
    m_podcastTabs->addTab(scrolling(peoplePage()), tr("People and Places"));
    m_podcastTabs->addTab(scrolling(supportPage()), tr("Support"));
    m_podcastTabs->addTab(scrolling(socialPage()), tr("Social"));
    m_podcastTabs->addTab(scrolling(relatedPage()), tr("Related Feeds"));
    return m_podcastTabs;
}

QWidget *CFeedPropertiesWnd::showPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    using P = CFieldPath;
    const QString href = QStringLiteral("href");

    auto *show = new QGroupBox(tr("Show (iTunes)"));
    QFormLayout *form = formIn(show);
    m_form->addLine(form, tr("&Title:"), P(QStringLiteral("itunes:title")));
    m_form->addLine(form, tr("&Author:"), P(QStringLiteral("itunes:author")));
    m_form->addLine(form, tr("Owner &name:"), P(QStringLiteral("itunes:owner"), QStringLiteral("itunes:name")));
    m_form->addLine(form, tr("Owner &e-mail:"),
                    P(QStringLiteral("itunes:owner"), QStringLiteral("itunes:email")), CElementForm::emailAddress());
    m_form->addLine(form, tr("&Image:"), P(QStringLiteral("itunes:image"), QString(), href),
                    CElementForm::url());
    m_form->addChoice(form, tr("E&xplicit:"), P(QStringLiteral("itunes:explicit")),
                      CPodcastValues::booleans());
    m_form->addChoice(form, tr("T&ype:"), P(QStringLiteral("itunes:type")),
                      CPodcastValues::showTypes());
    m_form->addLine(form, tr("New &feed URL:"), P(QStringLiteral("itunes:new-feed-url")),
                    CElementForm::url());
    m_form->addChoice(form, tr("&Block:"), P(QStringLiteral("itunes:block")), {kYes});
    m_form->addChoice(form, tr("&Complete:"), P(QStringLiteral("itunes:complete")), {kYes});
    layout->addWidget(show);

    auto *categories = new QGroupBox(QStringLiteral("iTunes categories"));
    auto *categoryRows = new QVBoxLayout(categories);
    const QString text = QStringLiteral("text");
    CElementTable *itunesCategories =
        m_form->addTable(categoryRows, QStringLiteral("itunes:category"),
                         {tr("Category"), tr("Subcategory")},
                         {P(QString(), QString(), text), P(QString(), QStringLiteral("itunes:category"), text)},
                         {&noteOnCategory});
    itunesCategories->setCheck(1, &noteOnSubcategory);
    itunesCategories->table()->setItemDelegate(new CPodcastCategoryDelegate(itunesCategories->table()));
    itunesCategories->table()->setAccessibleName(tr("iTunes categories"));
    layout->addWidget(categories);
    CPodcastFields::addImages(m_form, layout);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::indexPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    using P = CFieldPath;
    auto *index = new QGroupBox(tr("Podcast index"));
    QFormLayout *indexForm = formIn(index);
    m_form->addChoice(indexForm, tr("&Locked:"), P(QStringLiteral("podcast:locked")),
                      CPodcastValues::yesNo());
    m_form->addLine(indexForm, tr("Lock o&wner:"),
                    P(QStringLiteral("podcast:locked"), QString(), QStringLiteral("owner")), CElementForm::emailAddress());
    m_form->addLine(indexForm, tr("&GUID:"), P(QStringLiteral("podcast:guid")), &CPodcastValues::Uuid)
        ->setReadOnly(true);
    // The identity is made, never typed: where it is missing, the field
    // offers it beside the empty GUID.
    m_makeGuid = new QPushButton(tr("Make from Feed &Address"));
    connect(m_makeGuid, &QPushButton::clicked, this, [this] {
        if (m_doc)
            m_doc->AddPodcastGuid();
    });
    auto *makeGuidRow = new QHBoxLayout;
    makeGuidRow->addWidget(m_makeGuid);
    makeGuidRow->addStretch();
    indexForm->addRow(QString(), makeGuidRow);
    m_form->addChoice(indexForm, tr("&Medium:"), P(QStringLiteral("podcast:medium")),
                      CPodcastValues::mediums());
    m_form->addChoice(indexForm, tr("Uses &Podping:"),
                      P(QStringLiteral("podcast:podping"), QString(), QStringLiteral("usesPodping")),
                      CPodcastValues::booleans());
    CPodcastFields::addLicense(m_form, indexForm);
    layout->addWidget(index);

    auto *frequency = new QGroupBox(tr("Release schedule"));
    CPodcastFields::addUpdateFrequency(m_form, formIn(frequency));
    layout->addWidget(frequency);
    CPodcastFields::addBlocks(m_form, layout);
    CPodcastFields::addTexts(m_form, layout);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::peoplePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    CPodcastFields::addPersons(m_form, layout);
    CPodcastFields::addLocations(m_form, layout);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::supportPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    CPodcastFields::addFunding(m_form, layout);
    CPodcastFields::addValue(m_form, layout);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::socialPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    CPodcastFields::addSocialInteracts(m_form, layout);
    auto *chat = new QGroupBox(tr("Chat"));
    CPodcastFields::addChat(m_form, formIn(chat));
    layout->addWidget(chat);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::relatedPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    CPodcastFields::addTrailers(m_form, layout);
    CPodcastFields::addPodroll(m_form, layout);
    auto *publisher = new QGroupBox(tr("Publisher"));
    CPodcastFields::addPublisher(m_form, formIn(publisher));
    layout->addWidget(publisher);
    CPodcastFields::addRemoteItems(m_form, layout);
    layout->addStretch();
    return page;
}

QWidget *CFeedPropertiesWnd::othersPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *about = new QLabel(tr("Elements of the channel that these pages do not edit. "
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
    updateMakeGuid();
    showImagePreview();
    m_others->setElements(m_doc->feed()->GetOtherChannelElements());
}

void CFeedPropertiesWnd::updateMakeGuid()
{
    const bool missing = m_doc->feed()->GetChannelElements(QStringLiteral("podcast:guid")).empty();
    const QString address = m_doc->FeedAddress();
    m_makeGuid->setVisible(missing);
    m_makeGuid->setEnabled(!address.isEmpty());
    m_makeGuid->setToolTip(address.isEmpty()
                               ? tr("The feed names no address of its own yet: fill in its Public address on the Channel page.")
                               : tr("The podcast's identity as PSP-1 makes it from %1; it never changes after.").arg(address));
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
        m_imagePreview->setText(address.isEmpty() ? tr("No image") : tr("The image is not on this computer: no preview"));
        return;
    }
    m_imagePreview->setPixmap(picture.scaled(QSize(144, 400).boundedTo(picture.size()), Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation));
}

void CFeedPropertiesWnd::updateTitle()
{
    setWindowTitle(tr("Feed Properties \u2014 %1").arg(m_doc->title()));
}

bool CFeedPropertiesWnd::focusElement(const QString &element)
{
    QWidget *editor = m_form->editorOf(element);
    if (!editor)
        return false;
    for (int tab = 0; tab < m_tabs->count(); ++tab) {
        if (m_tabs->widget(tab)->isAncestorOf(editor) && m_tabs->isTabVisible(tab)) {
            m_tabs->setCurrentIndex(tab);
            for (int inner = 0; inner < m_podcastTabs->count(); ++inner) {
                if (m_podcastTabs->widget(inner)->isAncestorOf(editor))
                    m_podcastTabs->setCurrentIndex(inner);
            }
            editor->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

