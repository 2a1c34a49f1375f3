#include "panes/BarPostDetails.h"

#include "core/PodcastValues.h"
#include "document/RSSEditDoc.h"
#include "episodes/EnclosureProbe.h"
#include "panes/ChaptersDlg.h"
#include "panes/ElementForm.h"
#include "panes/ElementTable.h"
#include "panes/LiveItemFields.h"
#include "panes/OtherElementsList.h"
#include "panes/PodcastFields.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The pane is often a third of a small screen: a field that does not fit
// beside its label goes under it.
QFormLayout *narrowForm(QGroupBox *group = nullptr)
{
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    return form;
}

// Seconds, or minutes and seconds, or hours, minutes and seconds.
QString noteOnDuration(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+|\\d+:[0-5]?\\d|\\d+:[0-5]?\\d:[0-5]?\\d)$"));
    return form.match(value.trimmed()).hasMatch() ? QString()
                                                   : CBarPostDetails::tr("Not a play time like 1:02:03, 62:03 or 3723");
}

CFieldPath attributePath(const char *attribute)
{
    return CFieldPath(QString(), QString(), QString::fromLatin1(attribute));
}

} // namespace

CBarPostDetails::CBarPostDetails(const QString &title, CRSSEditDoc *doc, QWidget *parent)
    : CSizingControlBarCF(title, parent)
    , m_doc(doc)
    , m_form(new CElementForm(doc, this))
    , m_probe(new CEnclosureProbe(this))
{
    setObjectName(QStringLiteral("postDetails"));
    auto *area = new QScrollArea(this);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setMinimumSize(1, 1);
    setWidget(area);
    connect(m_probe, &CEnclosureProbe::probed, this, &CBarPostDetails::onProbed);
    if (!doc)
        return;
    connect(doc->selection(), &CPostSelection::followed, this, &CBarPostDetails::showPost);
    connect(doc->selection(), &CPostSelection::moved, this, &CBarPostDetails::showPost);
    connect(doc, &CRSSEditDoc::postElementsChanged, this, [this](int post) {
        if (post == m_form->post())
            showPost(post);
    });
    connect(doc, &CRSSEditDoc::feedReset, this, [this] {
        m_pending.clear();
        showPost(m_doc->currentPost());
    });
    connect(doc, &CRSSEditDoc::postsInserted, this, &CBarPostDetails::followInsertedPost);
    connect(doc, &CRSSEditDoc::postRemoved, this, &CBarPostDetails::followRemovedPost);
    // The channel decides whether the podcast fields show.
    connect(doc, &CRSSEditDoc::headerChanged, this, [this] { showPost(m_doc->currentPost()); });
}

void CBarPostDetails::ensureFields()
{
    auto *area = qobject_cast<QScrollArea *>(widget());
    if (!area->widget())
        area->setWidget(createFields());
}

CElementForm *CBarPostDetails::form()
{
    ensureFields();
    return m_form;
}

CElementTable *CBarPostDetails::enclosures()
{
    ensureFields();
    return m_enclosures;
}

QGroupBox *CBarPostDetails::podcastGroup()
{
    ensureFields();
    return m_podcast;
}

COtherElementsList *CBarPostDetails::otherElements()
{
    ensureFields();
    return m_others;
}

CLiveItemFields *CBarPostDetails::liveItemFields()
{
    ensureFields();
    return m_live;
}

QWidget *CBarPostDetails::createFields()
{
    auto *fields = new QWidget;
    auto *layout = new QVBoxLayout(fields);
    using P = CFieldPath;

    addLiveFields(layout);
    auto *post = new QGroupBox(tr("Post"));
    QFormLayout *form = narrowForm(post);
    m_form->addDate(form, tr("&Date:"), P(QStringLiteral("pubDate")), CElementForm::date());
    m_form->addLine(form, tr("&GUID:"), P(QStringLiteral("guid")));
    m_form->addChoice(form, tr("GUID is a &permalink:"),
                      P(QStringLiteral("guid"), QString(), QStringLiteral("isPermaLink")),
                      CPodcastValues::booleans());
    m_form->addLine(form, tr("&Comments:"), P(QStringLiteral("comments")), CElementForm::url());
    m_form->addLine(form, tr("&Source:"), P(QStringLiteral("source")));
    m_form->addLine(form, tr("Source &URL:"), P(QStringLiteral("source"), QString(), QStringLiteral("url")),
                    CElementForm::url());
    layout->addWidget(post);

    layout->addWidget(createEnclosures());

    addPodcastFields(fields);
    layout->addWidget(m_podcast);

    auto *categories = new QGroupBox(tr("Categories"));
    auto *categoryRows = new QVBoxLayout(categories);
    m_form->addTable(categoryRows, QStringLiteral("category"), {tr("Category"), tr("Domain")},
                     {P(QString()), attributePath("domain")});
    layout->addWidget(categories);

    auto *others = new QGroupBox(tr("Other elements (kept as they are)"));
    auto *otherRows = new QVBoxLayout(others);
    m_others = new COtherElementsList;
    m_others->setMinimumHeight(80);
    otherRows->addWidget(m_others);
    layout->addWidget(others);
    layout->addStretch();
    return fields;
}

// The enclosures' table, with the buttons that fill a row from a file or
// from its address.
QGroupBox *CBarPostDetails::createEnclosures()
{
    auto *enclosures = new QGroupBox(tr("Enclosures"));
    auto *enclosureRows = new QVBoxLayout(enclosures);
    m_enclosures = m_form->addTable(
        enclosureRows, QStringLiteral("enclosure"),
        {tr("URL"), tr("Length"), tr("Type")},
        {attributePath("url"), attributePath("length"), attributePath("type")},
        {CElementForm::url(), CElementForm::integer(0, 2147483647), CElementForm::mimeType()});
    auto *chooseFile = new QPushButton(tr("Choose &File\u2026"));
    chooseFile->setToolTip(tr("Fill the length and type (and a podcast's duration) from a media file"));
    auto *fillFromUrl = new QPushButton(tr("Fill from U&RL"));
    fillFromUrl->setToolTip(tr("Ask the server for the length and type of the file at the URL"));
    // A row of their own under Add and Remove: four buttons in one row are
    // wider than the pane at a small screen's third.
    auto *fillRow = new QHBoxLayout;
    fillRow->addWidget(chooseFile);
    fillRow->addWidget(fillFromUrl);
    fillRow->addStretch();
    enclosureRows->addLayout(fillRow);
    connect(chooseFile, &QPushButton::clicked, this, &CBarPostDetails::chooseEnclosureFile);
    connect(fillFromUrl, &QPushButton::clicked, this,
            [this] { fillEnclosureFromUrl(qMax(0, m_enclosures->currentRow())); });
    return enclosures;
}

int CBarPostDetails::fieldsWidth()
{
    ensureFields();
    const auto *area = qobject_cast<const QScrollArea *>(widget());
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, this);
    // A little air, so that the fields do not touch the scroll bar when the
    // window's layout rounds the pane a pixel or two narrower.
    const int air = 2 * style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, this);
    return area->widget()->minimumSizeHint().width() + scrollBar + frame + air;
}

void CBarPostDetails::addPodcastFields(QWidget *parent)
{
    using P = CFieldPath;
    m_podcast = new QGroupBox(tr("Podcast episode"), parent);
    auto *layout = new QVBoxLayout(m_podcast);
    QFormLayout *form = narrowForm();
    m_form->addLine(form, tr("D&uration:"), P(QStringLiteral("itunes:duration")), &noteOnDuration);
    m_form->addLine(form, tr("&Episode:"), P(QStringLiteral("itunes:episode")),
                    CElementForm::integer(1, 2147483647));
    m_form->addLine(form, tr("Seaso&n:"), P(QStringLiteral("itunes:season")),
                    CElementForm::integer(1, 2147483647));
    m_form->addChoice(form, tr("Episode &type:"), P(QStringLiteral("itunes:episodeType")),
                      CPodcastValues::episodeTypes());
    m_form->addChoice(form, tr("E&xplicit:"), P(QStringLiteral("itunes:explicit")),
                      CPodcastValues::booleans());
    m_form->addLine(form, tr("&Image:"), P(QStringLiteral("itunes:image"), QString(), QStringLiteral("href")),
                    CElementForm::url());
    m_form->addChoice(form, tr("&Block:"), P(QStringLiteral("itunes:block")), {QStringLiteral("Yes")});
    m_form->addLine(form, tr("Index season:"), P(QStringLiteral("podcast:season")),
                    CElementForm::integer(0, 2147483647));
    m_form->addLine(form, tr("Index season name:"),
                    P(QStringLiteral("podcast:season"), QString(), QStringLiteral("name")));
    m_form->addLine(form, tr("Index episode:"), P(QStringLiteral("podcast:episode")),
                    &CPodcastValues::Decimal);
    m_form->addLine(form, tr("Index episode display:"),
                    P(QStringLiteral("podcast:episode"), QString(), QStringLiteral("display")));
    CPodcastFields::addChapters(m_form, form);
    layout->addLayout(form);
    // Buttons that work on the chapters file go here, under its fields.
    m_chaptersButtons = new QHBoxLayout;
    m_chaptersButtons->addStretch();
    layout->addLayout(m_chaptersButtons);
    auto *editChaptersButton = new QPushButton(tr("Edit Chapters\u2026"));
    editChaptersButton->setObjectName(QStringLiteral("editChapters"));
    m_chaptersButtons->addWidget(editChaptersButton);
    connect(editChaptersButton, &QPushButton::clicked, this, &CBarPostDetails::editChapters);

    CPodcastFields::addTranscripts(m_form, layout);
    CPodcastFields::addSoundbites(m_form, layout);
    CPodcastFields::addAlternateEnclosures(m_form, layout);
    CPodcastFields::addContentLinks(m_form, layout);
    CPodcastFields::addPersons(m_form, layout);
    CPodcastFields::addLocations(m_form, layout);
    CPodcastFields::addImages(m_form, layout);
    auto *rights = new QGroupBox(tr("License and chat"));
    QFormLayout *rightsForm = narrowForm(rights);
    CPodcastFields::addLicense(m_form, rightsForm);
    CPodcastFields::addChat(m_form, rightsForm);
    layout->addWidget(rights);
    CPodcastFields::addSocialInteracts(m_form, layout);
    CPodcastFields::addFunding(m_form, layout);
    CPodcastFields::addValue(m_form, layout);
    CPodcastFields::addTexts(m_form, layout);
}

// A live item's status, start and end, above the fields every post has.
void CBarPostDetails::addLiveFields(QBoxLayout *layout)
{
    m_live = new CLiveItemFields(m_doc);
    layout->addWidget(m_live);
}

void CBarPostDetails::editChapters()
{
    if (m_doc)
        CChaptersDlg::editPostChapters(m_doc, m_form->post(), this);
}

void CBarPostDetails::followInsertedPost(int index)
{
    for (PendingProbe &pending : m_pending) {
        if (pending.post >= index)
            ++pending.post;
    }
}

void CBarPostDetails::followRemovedPost(int index)
{
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (it->post == index) {
            it = m_pending.erase(it);
            continue;
        }
        if (it->post > index)
            --it->post;
        ++it;
    }
}

bool CBarPostDetails::focusElement(const QString &element)
{
    ensureFields();
    QWidget *editor = m_form->editorOf(element);
    if (!editor)
        return false;
    show();
    raise();
    editor->setFocus(Qt::OtherFocusReason);
    return true;
}

void CBarPostDetails::showPost(int post)
{
    m_form->setPost(post);
    m_stale = true;
    if (isVisible())
        load();
}

void CBarPostDetails::showEvent(QShowEvent *event)
{
    CSizingControlBarCF::showEvent(event);
    if (m_stale && m_doc) {
        m_form->setPost(m_doc->currentPost());
        load();
    }
}

void CBarPostDetails::load()
{
    ensureFields();
    m_stale = false;
    const int post = m_form->post();
    const bool shown = m_doc && post >= 0 && post < m_doc->feed()->GetPostCount();
    widget()->setEnabled(shown);
    // A live item is a podcast's in any feed: its content links are there.
    m_podcast->setVisible(m_doc && (m_doc->IsPodcast() || (shown && m_doc->feed()->IsLiveItem(post))));
    m_form->load();
    m_live->load(shown ? post : -1);
    // A podcast episode needs its media file: an empty row asks for it.
    if (shown && m_podcast->isVisible() && m_enclosures->elements().empty() && m_enclosures->table()->rowCount() == 0)
        m_enclosures->addRow();
    m_others->setElements(shown ? m_doc->feed()->GetOtherPostElements(post)
                                : std::vector<std::pair<QString, QString>>());
}

void CBarPostDetails::chooseEnclosureFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Choose the Media File of the Enclosure"));
    if (!path.isEmpty())
        fillEnclosureFromFile(qMax(0, m_enclosures->currentRow()), path);
}

void CBarPostDetails::fillEnclosureFromFile(int row, const QString &path)
{
    ensureFields();
    probe(row, path, true);
}

void CBarPostDetails::fillEnclosureFromUrl(int row)
{
    ensureFields();
    const std::vector<FeedElement> enclosures = m_form->elements(QStringLiteral("enclosure"));
    const QString url = row < int(enclosures.size()) ? enclosures[row].attribute(QStringLiteral("url")).trimmed() : QString();
    if (url.isEmpty()) {
        m_enclosures->setMessage(tr("Type the enclosure's URL first"));
        return;
    }
    probe(row, url, false);
}

void CBarPostDetails::probe(int row, const QString &source, bool file)
{
    m_pending.push_back({source, m_form->post(), row});
    m_enclosures->setMessage(tr("Finding the length and type of %1\u2026").arg(source));
    if (file)
        m_probe->probeFile(source);
    else
        m_probe->probeUrl(source);
}

// The answer goes to the post it was asked for, also when another one shows
// now. The enclosure takes what was found in one change; a URL already typed
// stays.
void CBarPostDetails::onProbed(const EnclosureInfo &info)
{
    const auto pending = std::find_if(m_pending.begin(), m_pending.end(),
                                      [&info](const PendingProbe &p) { return p.source == info.source; });
    if (pending == m_pending.end() || !m_doc)
        return;
    const PendingProbe asked = *pending;
    m_pending.erase(pending);
    const bool shown = asked.post == m_form->post();
    if (asked.post < 0 || asked.post >= m_doc->feed()->GetPostCount())
        return;
    if (info.length < 0 && info.type.isEmpty()) {
        if (shown)
            m_enclosures->setMessage(info.note);
        return;
    }
    std::vector<FeedElement> enclosures = m_doc->feed()->GetPostElements(asked.post, QStringLiteral("enclosure"));
    if (asked.row >= int(enclosures.size()))
        enclosures.push_back(FeedElement{QStringLiteral("enclosure"), {}, {}, {}});
    FeedElement &enclosure = enclosures[std::min<size_t>(asked.row, enclosures.size() - 1)];
    if (enclosure.attribute(QStringLiteral("url")).isEmpty())
        enclosure.setAttribute(QStringLiteral("url"), info.url);
    if (info.length >= 0)
        enclosure.setAttribute(QStringLiteral("length"), QString::number(info.length));
    if (!info.type.isEmpty())
        enclosure.setAttribute(QStringLiteral("type"), info.type);
    m_doc->SetPostElements(asked.post, QStringLiteral("enclosure"), enclosures);
    if (!info.duration.isEmpty() && m_doc->IsPodcast()) {
        m_doc->SetPostElements(asked.post, QStringLiteral("itunes:duration"),
                               {FeedElement{QStringLiteral("itunes:duration"), {}, info.duration, {}}});
    }
    if (shown)
        m_enclosures->setMessage(info.note);
}
