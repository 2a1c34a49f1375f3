#include "panes/BarPostDetails.h"

#include "document/RSSEditDoc.h"
#include "panes/ElementForm.h"
#include "panes/ElementTable.h"
#include "panes/FieldChecks.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QFormLayout *formIn(QGroupBox *group)
{
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
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
{
    setObjectName(QStringLiteral("postDetails"));
    auto *area = new QScrollArea(this);
    area->setWidget(createFields());
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setMinimumSize(1, 1);
    setWidget(area);
}

QWidget *CBarPostDetails::createFields()
{
    auto *fields = new QWidget;
    auto *layout = new QVBoxLayout(fields);
    using P = CFieldPath;

    auto *post = new QGroupBox(QStringLiteral("Post"));
    QFormLayout *form = formIn(post);
    m_form->addDate(form, QStringLiteral("&Date:"), P(QStringLiteral("pubDate")), FieldChecks::date());
    m_form->addLine(form, QStringLiteral("&GUID:"), P(QStringLiteral("guid")));
    m_form->addChoice(form, QStringLiteral("GUID is a &permalink:"),
                      P(QStringLiteral("guid"), QString(), QStringLiteral("isPermaLink")),
                      {QStringLiteral("true"), QStringLiteral("false")});
    m_form->addLine(form, QStringLiteral("&Comments:"), P(QStringLiteral("comments")), FieldChecks::url());
    m_form->addLine(form, QStringLiteral("&Source:"), P(QStringLiteral("source")));
    m_form->addLine(form, QStringLiteral("Source &URL:"), P(QStringLiteral("source"), QString(), QStringLiteral("url")),
                    FieldChecks::url());
    layout->addWidget(post);

    auto *categories = new QGroupBox(QStringLiteral("Categories"));
    auto *categoryRows = new QVBoxLayout(categories);
    m_form->addTable(categoryRows, QStringLiteral("category"), {QStringLiteral("Category"), QStringLiteral("Domain")},
                     {P(QString()), attributePath("domain")});
    layout->addWidget(categories);

    auto *enclosures = new QGroupBox(QStringLiteral("Enclosures"));
    auto *enclosureRows = new QVBoxLayout(enclosures);
    m_enclosures = m_form->addTable(
        enclosureRows, QStringLiteral("enclosure"),
        {QStringLiteral("URL"), QStringLiteral("Length"), QStringLiteral("Type")},
        {attributePath("url"), attributePath("length"), attributePath("type")},
        {FieldChecks::url(), FieldChecks::integer(0, 2147483647), FieldChecks::mimeType()});
    auto *chooseFile = new QPushButton(QStringLiteral("Choose &File\u2026"));
    chooseFile->setToolTip(QStringLiteral("Fill the length and type (and a podcast's duration) from a media file"));
    auto *fillFromUrl = new QPushButton(QStringLiteral("Fill from U&RL"));
    fillFromUrl->setToolTip(QStringLiteral("Ask the server for the length and type of the file at the URL"));
    m_enclosures->buttonRow()->insertWidget(2, chooseFile);
    m_enclosures->buttonRow()->insertWidget(3, fillFromUrl);
    connect(chooseFile, &QPushButton::clicked, this, [this] {
        emit enclosureFileRequested(qMax(0, m_enclosures->currentRow()));
    });
    connect(fillFromUrl, &QPushButton::clicked, this, [this] {
        emit enclosureUrlRequested(qMax(0, m_enclosures->currentRow()));
    });
    layout->addWidget(enclosures);

    addPodcastFields(fields);
    layout->addWidget(m_podcast);

    auto *others = new QGroupBox(QStringLiteral("Other elements (kept as they are)"));
    auto *otherRows = new QVBoxLayout(others);
    m_others = new QTreeWidget;
    m_others->setObjectName(QStringLiteral("otherElements"));
    m_others->setHeaderLabels({QStringLiteral("Element"), QStringLiteral("Content")});
    m_others->setRootIsDecorated(false);
    m_others->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
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
    m_form->addLine(form, QStringLiteral("D&uration:"), P(QStringLiteral("itunes:duration")));
    m_form->addLine(form, QStringLiteral("&Episode:"), P(QStringLiteral("itunes:episode")),
                    FieldChecks::integer(1, 2147483647));
    m_form->addLine(form, QStringLiteral("Seaso&n:"), P(QStringLiteral("itunes:season")),
                    FieldChecks::integer(1, 2147483647));
    m_form->addChoice(form, QStringLiteral("Episode &type:"), P(QStringLiteral("itunes:episodeType")),
                      {QStringLiteral("full"), QStringLiteral("trailer"), QStringLiteral("bonus")});
    m_form->addChoice(form, QStringLiteral("E&xplicit:"), P(QStringLiteral("itunes:explicit")),
                      {QStringLiteral("true"), QStringLiteral("false")});
    m_form->addLine(form, QStringLiteral("&Image:"), P(QStringLiteral("itunes:image"), QString(), QStringLiteral("href")),
                    FieldChecks::url());
    m_form->addChoice(form, QStringLiteral("&Block:"), P(QStringLiteral("itunes:block")), {QStringLiteral("Yes")});
    m_form->addLine(form, QStringLiteral("C&hapters:"), P(QStringLiteral("podcast:chapters"), QString(), QStringLiteral("url")),
                    FieldChecks::url());
    m_form->addLine(form, QStringLiteral("Chapters t&ype:"),
                    P(QStringLiteral("podcast:chapters"), QString(), QStringLiteral("type")), FieldChecks::mimeType());
    m_form->addLine(form, QStringLiteral("Index season:"), P(QStringLiteral("podcast:season")),
                    FieldChecks::integer(0, 2147483647));
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
                     {FieldChecks::url(), FieldChecks::mimeType(), FieldChecks::language(), {}});
    m_form->addTable(layout, QStringLiteral("podcast:soundbite"),
                     {QStringLiteral("Soundbite start"), QStringLiteral("Duration"), QStringLiteral("Title")},
                     {attributePath("startTime"), attributePath("duration"), P(QString())});
    m_form->addTable(layout, QStringLiteral("podcast:person"),
                     {QStringLiteral("Person"), QStringLiteral("Role"), QStringLiteral("Group"), QStringLiteral("Image"),
                      QStringLiteral("Link")},
                     {P(QString()), attributePath("role"), attributePath("group"), attributePath("img"),
                      attributePath("href")},
                     {{}, {}, {}, FieldChecks::url(), FieldChecks::url()});
}

void CBarPostDetails::OnRSSNotify(CRSSObserver *, int hint, const QVariant &data)
{
    if (!m_doc)
        return;
    switch (hint) {
    case HINT_SELECT_POST:
        showPost(data.toInt());
        break;
    case HINT_POST_ELEMENTS_CHANGED:
    case HINT_POST_DATE_CHANGED:
        if (data.toInt() == m_form->post())
            showPost(m_form->post());
        break;
    case HINT_FEED_RESET:
    case HINT_POST_DELETED:
    case HINT_POSTS_INSERTED:
    case HINT_FEED_HEADER_CHANGED:
        showPost(m_doc->currentPost());
        break;
    default:
        break;
    }
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
    // A podcast episode needs its media file: an empty row asks for it.
    if (shown && m_podcast->isVisible() && m_enclosures->elements().empty() && m_enclosures->table()->rowCount() == 0)
        m_enclosures->addRow();
    m_others->clear();
    if (!shown)
        return;
    for (const auto &[name, content] : m_doc->feed()->GetOtherPostElements(post))
        new QTreeWidgetItem(m_others, {name, content.simplified()});
}
