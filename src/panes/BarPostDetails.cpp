#include "panes/BarPostDetails.h"

#include "core/ValueCheck.h"
#include "document/RSSEditDoc.h"
#include "links/EnclosureProbe.h"
#include "panes/ChaptersDlg.h"
#include "panes/ElementForm.h"
#include "panes/ElementTable.h"
#include "panes/LiveItemFields.h"
#include "panes/OtherElementsList.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QFormLayout *formIn(QGroupBox *group)
{
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

// Seconds, or minutes and seconds, or hours, minutes and seconds.
QString noteOnDuration(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+|\\d+:[0-5]?\\d|\\d+:[0-5]?\\d:[0-5]?\\d)$"));
    return form.match(value.trimmed()).hasMatch() ? QString()
                                                   : QStringLiteral("Not a play time like 1:02:03, 62:03 or 3723");
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
    area->setWidget(createFields());
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setMinimumSize(1, 1);
    setWidget(area);
    connect(m_probe, &CEnclosureProbe::probed, this, &CBarPostDetails::onProbed);
    if (!doc)
        return;
    connect(doc->selection(), &CPostSelection::changed, this, &CBarPostDetails::showPost);
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

QWidget *CBarPostDetails::createFields()
{
    auto *fields = new QWidget;
    auto *layout = new QVBoxLayout(fields);
    using P = CFieldPath;

    addLiveFields(layout);
    auto *post = new QGroupBox(QStringLiteral("Post"));
    QFormLayout *form = formIn(post);
    m_form->addDate(form, QStringLiteral("&Date:"), P(QStringLiteral("pubDate")), CElementForm::date());
    m_form->addLine(form, QStringLiteral("&GUID:"), P(QStringLiteral("guid")));
    m_form->addChoice(form, QStringLiteral("GUID is a &permalink:"),
                      P(QStringLiteral("guid"), QString(), QStringLiteral("isPermaLink")),
                      {QStringLiteral("true"), QStringLiteral("false")});
    m_form->addLine(form, QStringLiteral("&Comments:"), P(QStringLiteral("comments")), CElementForm::url());
    m_form->addLine(form, QStringLiteral("&Source:"), P(QStringLiteral("source")));
    m_form->addLine(form, QStringLiteral("Source &URL:"), P(QStringLiteral("source"), QString(), QStringLiteral("url")),
                    CElementForm::url());
    layout->addWidget(post);

    auto *enclosures = new QGroupBox(QStringLiteral("Enclosures"));
    auto *enclosureRows = new QVBoxLayout(enclosures);
    m_enclosures = m_form->addTable(
        enclosureRows, QStringLiteral("enclosure"),
        {QStringLiteral("URL"), QStringLiteral("Length"), QStringLiteral("Type")},
        {attributePath("url"), attributePath("length"), attributePath("type")},
        {CElementForm::url(), CElementForm::integer(0, 2147483647), CElementForm::mimeType()});
    auto *chooseFile = new QPushButton(QStringLiteral("Choose &File\u2026"));
    chooseFile->setToolTip(QStringLiteral("Fill the length and type (and a podcast's duration) from a media file"));
    auto *fillFromUrl = new QPushButton(QStringLiteral("Fill from U&RL"));
    fillFromUrl->setToolTip(QStringLiteral("Ask the server for the length and type of the file at the URL"));
    m_enclosures->buttonRow()->insertWidget(2, chooseFile);
    m_enclosures->buttonRow()->insertWidget(3, fillFromUrl);
    connect(chooseFile, &QPushButton::clicked, this, &CBarPostDetails::chooseEnclosureFile);
    connect(fillFromUrl, &QPushButton::clicked, this,
            [this] { fillEnclosureFromUrl(qMax(0, m_enclosures->currentRow())); });
    layout->addWidget(enclosures);

    addPodcastFields(fields);
    layout->addWidget(m_podcast);

    auto *categories = new QGroupBox(QStringLiteral("Categories"));
    auto *categoryRows = new QVBoxLayout(categories);
    m_form->addTable(categoryRows, QStringLiteral("category"), {QStringLiteral("Category"), QStringLiteral("Domain")},
                     {P(QString()), attributePath("domain")});
    layout->addWidget(categories);


    auto *others = new QGroupBox(QStringLiteral("Other elements (kept as they are)"));
    auto *otherRows = new QVBoxLayout(others);
    m_others = new COtherElementsList;
    m_others->setMinimumHeight(80);
    otherRows->addWidget(m_others);
    layout->addWidget(others);
    layout->addStretch();
    return fields;
}

void CBarPostDetails::addPodcastFields(QWidget *parent)
{
    using P = CFieldPath;
    m_podcast = new QGroupBox(QStringLiteral("Podcast episode"), parent);
    auto *layout = new QVBoxLayout(m_podcast);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_form->addLine(form, QStringLiteral("D&uration:"), P(QStringLiteral("itunes:duration")), &noteOnDuration);
    m_form->addLine(form, QStringLiteral("&Episode:"), P(QStringLiteral("itunes:episode")),
                    CElementForm::integer(1, 2147483647));
    m_form->addLine(form, QStringLiteral("Seaso&n:"), P(QStringLiteral("itunes:season")),
                    CElementForm::integer(1, 2147483647));
    m_form->addChoice(form, QStringLiteral("Episode &type:"), P(QStringLiteral("itunes:episodeType")),
                      {QStringLiteral("full"), QStringLiteral("trailer"), QStringLiteral("bonus")});
    m_form->addChoice(form, QStringLiteral("E&xplicit:"), P(QStringLiteral("itunes:explicit")),
                      {QStringLiteral("true"), QStringLiteral("false")});
    m_form->addLine(form, QStringLiteral("&Image:"), P(QStringLiteral("itunes:image"), QString(), QStringLiteral("href")),
                    CElementForm::url());
    m_form->addChoice(form, QStringLiteral("&Block:"), P(QStringLiteral("itunes:block")), {QStringLiteral("Yes")});
    m_form->addLine(form, QStringLiteral("C&hapters:"), P(QStringLiteral("podcast:chapters"), QString(), QStringLiteral("url")),
                    CElementForm::url());
    m_form->addLine(form, QStringLiteral("Chapters t&ype:"),
                    P(QStringLiteral("podcast:chapters"), QString(), QStringLiteral("type")), CElementForm::mimeType());
    auto *editChaptersButton = new QPushButton(tr("Edit Chapters\u2026"));
    editChaptersButton->setObjectName(QStringLiteral("editChapters"));
    form->addRow(QString(), editChaptersButton);
    connect(editChaptersButton, &QPushButton::clicked, this, &CBarPostDetails::editChapters);
    m_form->addLine(form, QStringLiteral("Index season:"), P(QStringLiteral("podcast:season")),
                    CElementForm::integer(0, 2147483647));
    m_form->addLine(form, QStringLiteral("Index season name:"),
                    P(QStringLiteral("podcast:season"), QString(), QStringLiteral("name")));
    m_form->addLine(form, QStringLiteral("Index episode:"), P(QStringLiteral("podcast:episode")));
    m_form->addLine(form, QStringLiteral("Index episode display:"),
                    P(QStringLiteral("podcast:episode"), QString(), QStringLiteral("display")));
    layout->addLayout(form);

    m_form->addTable(layout, QStringLiteral("podcast:transcript"),
                     {QStringLiteral("Transcript URL"), QStringLiteral("Type"), QStringLiteral("Language"),
                      QStringLiteral("Rel")},
                     {attributePath("url"), attributePath("type"), attributePath("language"), attributePath("rel")},
                     {CElementForm::url(), CElementForm::mimeType(), &CValueCheck::LanguageCode, {}});
    m_form->addTable(layout, QStringLiteral("podcast:soundbite"),
                     {QStringLiteral("Soundbite start"), QStringLiteral("Duration"), QStringLiteral("Title")},
                     {attributePath("startTime"), attributePath("duration"), P(QString())});
    m_form->addTable(layout, QStringLiteral("podcast:person"),
                     {QStringLiteral("Person"), QStringLiteral("Role"), QStringLiteral("Group"), QStringLiteral("Image"),
                      QStringLiteral("Link")},
                     {P(QString()), attributePath("role"), attributePath("group"), attributePath("img"),
                      attributePath("href")},
                     {{}, {}, {}, CElementForm::url(), CElementForm::url()});
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
    m_stale = false;
    const int post = m_form->post();
    const bool shown = m_doc && post >= 0 && post < m_doc->feed()->GetPostCount();
    widget()->setEnabled(shown);
    m_podcast->setVisible(m_doc && m_doc->IsPodcast());
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
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Choose the Media File of the Enclosure"));
    if (!path.isEmpty())
        fillEnclosureFromFile(qMax(0, m_enclosures->currentRow()), path);
}

void CBarPostDetails::fillEnclosureFromFile(int row, const QString &path)
{
    probe(row, path, true);
}

void CBarPostDetails::fillEnclosureFromUrl(int row)
{
    const std::vector<FeedElement> enclosures = m_form->elements(QStringLiteral("enclosure"));
    const QString url = row < int(enclosures.size()) ? enclosures[row].attribute(QStringLiteral("url")).trimmed() : QString();
    if (url.isEmpty()) {
        m_enclosures->setMessage(QStringLiteral("Type the enclosure's URL first"));
        return;
    }
    probe(row, url, false);
}

void CBarPostDetails::probe(int row, const QString &source, bool file)
{
    m_pending.push_back({source, m_form->post(), row});
    m_enclosures->setMessage(QStringLiteral("Finding the length and type of %1\u2026").arg(source));
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
