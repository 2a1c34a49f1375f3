#include "document/RSSEditDoc.h"

#include "document/DocumentPrompter.h"
#include "core/FeedVocabulary.h"
#include "core/FileHelpers.h"
#include "core/PodcastGuid.h"
#include "core/ValueCheck.h"
#include "document/FeedChange.h"
#include "document/PostFooter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QUndoStack>

#include <algorithm>
#include <iterator>

namespace {

// Numbers the titles of feeds never saved, "Feed1", "Feed2", ... for the
// whole run of the program.
int s_untitledCount = 0;

QString comparablePath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool sameContents(const QString &path, const QString &otherPath)
{
    QFile file(path);
    QFile other(otherPath);
    return file.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly) && file.readAll() == other.readAll();
}

// Merge ids of the changes that typing makes, one per field.
enum MergeId { MergePostTitle = 1, MergePostLink, MergePostAuthor, MergePostDescription, MergeChannelField, MergePostElements };

QString postFieldStep(CRSSEditDoc::PostField field)
{
    switch (field) {
    case CRSSEditDoc::PostTitle:
        return CRSSEditDoc::tr("Edit Title");
    case CRSSEditDoc::PostLink:
        return CRSSEditDoc::tr("Edit Link");
    case CRSSEditDoc::PostAuthor:
        return CRSSEditDoc::tr("Edit Author");
    case CRSSEditDoc::PostDescription:
        return CRSSEditDoc::tr("Edit Description");
    }
    return QString();
}

} // namespace

CRSSEditDoc::CRSSEditDoc(QObject *parent) : QObject(parent), m_undoStack(new QUndoStack(this))
{
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
    connect(&m_selection, &CPostSelection::changed, this, [this](int post) {
        if (post >= 0)
            m_history.append(post);
    });
    // An undone or redone change shows its post, unless the list hides it.
    connect(this, &CRSSEditDoc::postRestored, &m_selection, &CPostSelection::select);
}

CRSSEditDoc::~CRSSEditDoc() = default;

void CRSSEditDoc::setPrompter(CDocumentPrompter *prompter)
{
    m_prompter = prompter;
}

// --- Path, title, modified flag ---

void CRSSEditDoc::setPath(const QString &path)
{
    m_path = path;
    if (!path.isEmpty())
        m_title = QFileInfo(path).fileName();
    emit pathChanged(path);
}

QString CRSSEditDoc::title() const
{
    return m_title;
}

bool CRSSEditDoc::IsModified() const
{
    return !m_undoStack->isClean();
}

void CRSSEditDoc::markClean()
{
    m_undoStack->setClean();
    emit modifiedChanged(false);
}

// --- File hooks ---

bool CRSSEditDoc::OnNewDocument(const NewFeedParams &params)
{
    DeleteContents();
    const bool created = m_feed.CreateNewFeed(params.title, params.link, params.category, params.selfLink, params.description);
    if (created && m_path.isEmpty())
        m_title = tr("Feed%1").arg(++s_untitledCount);
    feedFilled();
    // A new feed is on no disk yet: it counts as changed until it is saved,
    // also once every step is undone.
    if (created)
        m_undoStack->resetClean();
    emit modifiedChanged(IsModified());
    return created;
}

bool CRSSEditDoc::OnOpenDocument(const QString &path, QString *error)
{
    DeleteContents();
    const bool loaded = m_feed.LoadFromFile(path, error);
    if (loaded) {
        setPath(path);
        feedFilled();
    }
    markClean();
    return loaded;
}

void CRSSEditDoc::OnFeedRead(CRssFeed &&feed, const QString &path)
{
    DeleteContents();
    m_feed = std::move(feed);
    setPath(path);
    feedFilled();
    markClean();
}

bool CRSSEditDoc::OnOpenDownloaded(const QString &file, const QString &name, QString *error)
{
    DeleteContents();
    const bool loaded = m_feed.LoadFromFile(file, error);
    if (loaded) {
        m_path.clear();
        m_title = name;
        emit pathChanged(m_path);
        feedFilled();
    }
    markClean();
    return loaded;
}

bool CRSSEditDoc::OnSaveDocument(const QString &path, QString *error)
{
    const bool ownFile = isOwnPath(path);
    // A failed backup does not stop the save.
    QString backup;
    if (ownFile)
        BackupFile(m_path, &backup, BackupKind::LinkBeforeReplace);
    if (!m_feed.SaveToFile(path, error)) {
        // A save that failed before touching the file needs no copy of it;
        // one that failed while writing in place keeps the copy.
        if (!backup.isEmpty() && sameContents(backup, path))
            QFile::remove(backup);
        return false;
    }
    if (!backup.isEmpty())
        PruneBackups(path);
    markClean();
    setPath(path);
    emit saved();
    return true;
}

bool CRSSEditDoc::IsChangedOnDisk() const
{
    return !m_path.isEmpty() && m_feed.IsChangedOnDisk(m_path);
}

// The file is read once, beside the feed, which it replaces only when read
// whole.
bool CRSSEditDoc::ReloadFromDisk(QString *error)
{
    CRssFeed disk;
    if (!disk.LoadFromFile(m_path, error))
        return false;
    const int previousPost = currentPost();
    const QString guid = previousPost >= 0 ? m_feed.GetPostGuid(previousPost) : QString();
    OnFeedRead(std::move(disk), m_path);
    int post = std::min(previousPost, m_feed.GetPostCount() - 1);
    for (int i = 0; !guid.isEmpty() && i < m_feed.GetPostCount(); ++i) {
        if (m_feed.GetPostGuid(i) == guid) {
            post = i;
            break;
        }
    }
    m_selection.select(post);
    return true;
}

// Names on Linux are case-sensitive, so the paths must match exactly once
// both are made canonical; matching them without case is a Windows habit.
bool CRSSEditDoc::isOwnPath(const QString &path) const
{
    return !m_path.isEmpty() && comparablePath(m_path) == comparablePath(path);
}

void CRSSEditDoc::DeleteContents()
{
    m_undoStack->clear();
    m_feed.ClearFeed();
    m_podcast = Podcast::AsDeclared;
}

void CRSSEditDoc::feedFilled()
{
    m_selection.reset(m_feed.GetPostCount());
    emit feedReset();
}

// --- Changes to the feed ---

QString CRSSEditDoc::GetPostField(int post, PostField field) const
{
    switch (field) {
    case PostTitle:
        return m_feed.GetPostTitle(post);
    case PostLink:
        return m_feed.GetPostLink(post);
    case PostAuthor:
        return m_feed.GetPostAuthor(post);
    case PostDescription:
        return m_feed.GetPostDescription(post);
    }
    return QString();
}

bool CRSSEditDoc::SetPostField(int post, PostField field, const QString &value, const QString &stepName)
{
    const QString stored = field == PostDescription && m_descriptionFilter ? m_descriptionFilter(value) : value;
    return storePostField(post, field, stored, stepName);
}

bool CRSSEditDoc::storePostField(int post, PostField field, const QString &stored, const QString &stepName)
{
    if (post < 0 || post >= m_feed.GetPostCount())
        return false;
    // Read once: reading a long description decodes the whole of it.
    const QString original = GetPostField(post, field);
    if (stored == original)
        return false;
    auto before = std::make_shared<CFeedPart>(m_feed.SavePost(post));
    bool changed = false;
    switch (field) {
    case PostTitle:
        changed = m_feed.SetPostTitle(post, stored);
        break;
    case PostLink:
        changed = m_feed.SetPostLink(post, stored);
        break;
    case PostAuthor:
        changed = m_feed.SetPostAuthor(post, stored);
        break;
    case PostDescription:
        changed = m_feed.SetPostDescription(post, stored);
        break;
    }
    if (!changed)
        return false;
    const auto swap = [this, before, post, field] {
        m_feed.SwapPart(*before);
        emit postRestored(post);
        emit postFieldChanged(post, field);
    };
    // Typing back to the value before the first keystroke restores the
    // post as it was, bytes and all, and leaves the stack. The merge asks
    // while this store pushes: a description is then the text just stored,
    // not read from the feed once more at every key.
    const auto revertIfUnchanged = [this, before, post, field, original] {
        if ((m_descriptionPushed ? *m_descriptionPushed : GetPostField(post, field)) != original)
            return false;
        m_feed.SwapPart(*before);
        return true;
    };
    if (stepName.isEmpty()) {
        const QScopedValueRollback<const QString *> pushed(m_descriptionPushed,
                                                           field == PostDescription ? &stored : nullptr);
        pushChange(postFieldStep(field), swap, swap, MergePostTitle + field, QString::number(post), revertIfUnchanged);
    } else {
        pushChange(stepName, swap, swap);
    }
    emit postFieldChanged(post, field);
    return true;
}

void CRSSEditDoc::EditDescription(const QString &html)
{
    storePostField(currentPost(), PostDescription, html, QString());
}

// A podcast directory reads an episode without itunes:explicit as the
// show's value only where it looks; the post states it from the start.
bool CRSSEditDoc::InsertNewPost()
{
    auto top = std::make_shared<CFeedPart>(m_feed.SavePlaceAtTop());
    if (!m_feed.AddNewPost())
        return false;
    if (IsPodcast())
        m_feed.SetPostElements(0, QStringLiteral("itunes:explicit"), explicitOfNewPost());
    pushInsertAtTop(tr("Add Post"), top);
    insertedAt(0);
    return true;
}

bool CRSSEditDoc::InsertCopyOfPost(int source)
{
    auto top = std::make_shared<CFeedPart>(m_feed.SavePlaceAtTop());
    if (!m_feed.CopyPostToTop(source))
        return false;
    renewFooterOfCopy();
    pushInsertAtTop(tr("Duplicate Post"), top);
    insertedAt(0);
    return true;
}

bool CRSSEditDoc::InsertNewLiveItem()
{
    // With the local offset written out: a time without one names no moment.
    const QDateTime now = QDateTime::currentDateTime();
    QDateTime start = now.toOffsetFromUtc(now.offsetFromUtc()).addSecs(3600);
    start.setTime(QTime(start.time().hour(), 0));
    auto top = std::make_shared<CFeedPart>(m_feed.SavePlaceAtTop());
    if (!m_feed.AddNewLiveItem(start, start.addSecs(3600)))
        return false;
    m_feed.SetPostElements(0, QStringLiteral("podcast:contentLink"), contentLinkOfNewLiveItem());
    pushInsertAtTop(tr("Add Live Item"), top);
    insertedAt(0);
    return true;
}

// The show's rating, in the words directories take today: the older "yes",
// "explicit", "no" and "clean" are read as true or false, and a value that
// is neither is left to the show's own.
std::vector<FeedElement> CRSSEditDoc::explicitOfNewPost() const
{
    std::vector<FeedElement> rating = m_feed.GetChannelElements(QStringLiteral("itunes:explicit"));
    if (rating.size() != 1)
        return {};
    const QString value = rating.front().text.trimmed().toLower();
    if (value == QLatin1String("yes") || value == QLatin1String("explicit") || value == QLatin1String("true"))
        rating.front().text = QStringLiteral("true");
    else if (value == QLatin1String("no") || value == QLatin1String("clean") || value == QLatin1String("false"))
        rating.front().text = QStringLiteral("false");
    else
        return {};
    return rating;
}

// Apps that cannot play a stream send the listener to the content link: the
// show's web site is where a live show is announced and mostly embedded, so
// it is the link a new live item starts with (Post Details edits it). A
// site address that is not a whole web address would reach no listener.
std::vector<FeedElement> CRSSEditDoc::contentLinkOfNewLiveItem() const
{
    const QString site = m_feed.GetChannelField("link").trimmed();
    if (site.isEmpty() || CValueCheck::ClassifyUrl(site) != CValueCheck::UrlForm::Valid)
        return {};
    return {FeedElement{QStringLiteral("podcast:contentLink"), {{QStringLiteral("href"), site}}, tr("Listen live"), {}}};
}

// The place at the top kept before the first post came takes them all
// back, as it was, in one swap.
bool CRSSEditDoc::InsertNewPosts(const std::vector<NewPostContent> &posts, const QString &stepName)
{
    if (posts.empty())
        return false;
    auto top = std::make_shared<CFeedPart>(m_feed.SavePlaceAtTop());
    // Asked once: the first post's itunes: elements declare the namespace.
    const bool podcast = IsPodcast();
    int added = 0;
    for (const NewPostContent &content : posts) {
        if (!m_feed.AddNewPost())
            break;
        fillNewPost(content, podcast);
        ++added;
    }
    if (added == 0)
        return false;
    pushInsertAtTop(stepName, top, added);
    const QScopedValueRollback<bool> named(m_addingNamedPosts, true);
    for (int i = 0; i < added; ++i)
        insertedAt(0);
    return true;
}

void CRSSEditDoc::fillNewPost(const NewPostContent &content, bool podcast)
{
    m_feed.SetPostTitle(0, content.title);
    if (!content.description.isEmpty())
        m_feed.SetPostDescription(0, m_descriptionFilter ? m_descriptionFilter(content.description) : content.description);
    QStringList names;
    for (const FeedElement &element : content.elements) {
        if (!names.contains(element.name))
            names.append(element.name);
    }
    const QString explicitName = QStringLiteral("itunes:explicit");
    if (podcast && !names.contains(explicitName))
        m_feed.SetPostElements(0, explicitName, explicitOfNewPost());
    for (const QString &name : names) {
        std::vector<FeedElement> named;
        std::copy_if(content.elements.begin(), content.elements.end(), std::back_inserter(named),
                     [&name](const FeedElement &element) { return element.name == name; });
        m_feed.SetPostElements(0, name, named);
    }
}

void CRSSEditDoc::pushInsertAtTop(const QString &text, const std::shared_ptr<CFeedPart> &top, int count)
{
    pushChange(
            text,
            [this, top, count] {
                m_feed.SwapPart(*top);
                for (int i = 0; i < count; ++i)
                    removedAt(0);
            },
            [this, top, count] {
                m_feed.SwapPart(*top);
                for (int i = 0; i < count; ++i)
                    insertedAt(0);
            });
}

// The selection and the history follow first, so that whoever hears the
// news finds them naming the right posts.
void CRSSEditDoc::insertedAt(int index)
{
    m_history.postsInserted(index);
    m_selection.postsInserted(index);
    emit postsInserted(index);
}

void CRSSEditDoc::removedAt(int index)
{
    m_history.postRemoved(index);
    m_selection.postRemoved(index);
    emit postRemoved(index);
}

bool CRSSEditDoc::RemovePost(int index)
{
    std::unique_ptr<CRemovedPost> removed = m_feed.TakePost(index);
    if (!removed)
        return false;
    auto kept = std::make_shared<const CRemovedPost>(*removed);
    pushChange(
            tr("Delete Post"),
            [this, kept] { insertedAt(m_feed.PutBackPost(*kept)); },
            [this, index] {
                m_feed.TakePost(index);
                removedAt(index);
            });
    removedAt(index);
    return true;
}

bool CRSSEditDoc::SetChannelField(const char *name, const QString &value)
{
    if (value == m_feed.GetChannelField(name))
        return false;
    auto before = std::make_shared<CFeedPart>(m_feed.SaveHeader());
    if (!m_feed.SetChannelField(name, value))
        return false;
    const auto swap = [this, before] {
        m_feed.SwapPart(*before);
        emit headerChanged();
    };
    const QString element = QString::fromLatin1(name);
    pushChange(tr("Edit Channel %1").arg(element), swap, swap, MergeChannelField, element);
    emit headerChanged();
    return true;
}

bool CRSSEditDoc::SetChannelElements(const QString &name, std::vector<FeedElement> elements)
{
    auto before = std::make_shared<CFeedPart>(m_feed.SaveHeader());
    if (!m_feed.SetChannelElements(name, elements))
        return false;
    const auto swap = [this, before] {
        m_feed.SwapPart(*before);
        emit headerChanged();
    };
    pushChange(tr("Edit Channel %1").arg(name), swap, swap, MergeChannelField, name);
    emit headerChanged();
    return true;
}

bool CRSSEditDoc::SetPostElements(int post, const QString &name, std::vector<FeedElement> elements)
{
    if (post < 0 || post >= m_feed.GetPostCount())
        return false;
    auto before = std::make_shared<CFeedPart>(m_feed.SavePost(post));
    if (!m_feed.SetPostElements(post, name, elements))
        return false;
    const auto swap = [this, before, post] {
        m_feed.SwapPart(*before);
        emit postRestored(post);
        emit postElementsChanged(post);
    };
    pushChange(tr("Edit %1").arg(name), swap, swap, MergePostElements, QString::number(post) + u' ' + name);
    emit postElementsChanged(post);
    return true;
}

bool CRSSEditDoc::SetPostAttribute(int post, const QString &name, const QString &value)
{
    if (post < 0 || post >= m_feed.GetPostCount())
        return false;
    auto before = std::make_shared<CFeedPart>(m_feed.SavePost(post));
    if (!m_feed.SetPostAttribute(post, name, value))
        return false;
    const auto swap = [this, before, post] {
        m_feed.SwapPart(*before);
        emit postRestored(post);
        emit postElementsChanged(post);
    };
    pushChange(tr("Edit %1").arg(name), swap, swap, MergePostElements, QString::number(post) + QStringLiteral(" @") + name);
    emit postElementsChanged(post);
    return true;
}

bool CRSSEditDoc::IsPodcast() const
{
    if (m_podcast == Podcast::AsDeclared)
        return m_feed.HasNamespace(CFeedVocabulary::itunesNamespace());
    return m_podcast == Podcast::On;
}

// A switch that changes no byte of the file (off, or on in a feed that
// declares the namespaces) is no step to undo: the file does not keep it.
bool CRSSEditDoc::SetPodcast(bool on)
{
    if (on == IsPodcast())
        return false;
    auto before = std::make_shared<CFeedPart>(m_feed.SaveHeader());
    const Podcast was = m_podcast;
    m_podcast = on ? Podcast::On : Podcast::Off;
    bool changed = false;
    if (on) {
        changed |= m_feed.DeclareNamespace(QStringLiteral("itunes"), CFeedVocabulary::itunesNamespace());
        changed |= m_feed.DeclareNamespace(QStringLiteral("podcast"), CFeedVocabulary::podcastNamespace());
        const QString guid = QStringLiteral("podcast:guid");
        const QString address = ownAddress();
        if (m_feed.GetChannelElements(guid).empty() && !address.isEmpty())
            changed |= m_feed.SetChannelElements(guid, {FeedElement{guid, {}, CPodcastGuid::fromFeedAddress(address), {}}});
    }
    if (changed) {
        const Podcast now = m_podcast;
        const auto swapTo = [this, before](Podcast podcast) {
            m_feed.SwapPart(*before);
            m_podcast = podcast;
            emit headerChanged();
        };
        pushChange(tr("Turn Podcast On"), [swapTo, was] { swapTo(was); }, [swapTo, now] { swapTo(now); });
    }
    emit headerChanged();
    return true;
}

// Where the feed says it is published: atom:link rel="self", else the
// channel's link.
QString CRSSEditDoc::ownAddress() const
{
    for (const FeedElement &link : m_feed.GetChannelElements(QStringLiteral("atom:link"))) {
        if (link.attribute(QStringLiteral("rel")) == QLatin1String("self") && !link.attribute(QStringLiteral("href")).isEmpty())
            return link.attribute(QStringLiteral("href"));
    }
    return m_feed.GetChannelField("link").trimmed();
}

QString CRSSEditDoc::FeedAddress() const
{
    for (const FeedElement &link : m_feed.GetChannelElements(QStringLiteral("atom:link"))) {
        if (link.attribute(QStringLiteral("rel")) == QLatin1String("self"))
            return link.attribute(QStringLiteral("href")).trimmed();
    }
    return QString();
}

bool CRSSEditDoc::AddPodcastGuid()
{
    const QString guid = QStringLiteral("podcast:guid");
    const QString address = FeedAddress();
    if (address.isEmpty() || !m_feed.GetChannelElements(guid).empty())
        return false;
    return SetChannelElements(guid, {FeedElement{guid, {}, CPodcastGuid::fromFeedAddress(address), {}}});
}

bool CRSSEditDoc::MoveFeed(const QString &oldAddress, const QString &newAddress)
{
    const QString address = newAddress.trimmed();
    if (address.isEmpty() || address == oldAddress.trimmed())
        return false;
    auto before = std::make_shared<CFeedPart>(m_feed.SaveHeader());
    // Podcast apps follow itunes:new-feed-url; other readers follow the old
    // host's redirect, and the tag would declare a blog a podcast.
    if (IsPodcast()) {
        const QString guid = QStringLiteral("podcast:guid");
        if (!oldAddress.isEmpty() && m_feed.GetChannelElements(guid).empty())
            m_feed.SetChannelElements(guid, {FeedElement{guid, {}, CPodcastGuid::fromFeedAddress(oldAddress), {}}});
        const QString newFeedUrl = QStringLiteral("itunes:new-feed-url");
        m_feed.SetChannelElements(newFeedUrl, {FeedElement{newFeedUrl, {}, address, {}}});
    }
    m_feed.SetChannelElements(QStringLiteral("atom:link"), selfLinkMovedTo(address));
    const auto swap = [this, before] {
        m_feed.SwapPart(*before);
        emit headerChanged();
    };
    pushChange(tr("Move Feed"), swap, swap);
    emit headerChanged();
    return true;
}

// The channel's atom:link elements with the self link pointing at
// `address`; the others (a hub, a previous page) as they are.
std::vector<FeedElement> CRSSEditDoc::selfLinkMovedTo(const QString &address) const
{
    const QString rel = QStringLiteral("rel");
    std::vector<FeedElement> links = m_feed.GetChannelElements(QStringLiteral("atom:link"));
    for (FeedElement &link : links) {
        if (link.attribute(rel) == QLatin1String("self")) {
            link.setAttribute(QStringLiteral("href"), address);
            return links;
        }
    }
    links.push_back(FeedElement{QStringLiteral("atom:link"),
                                {{QStringLiteral("href"), address}, {rel, QStringLiteral("self")},
                                 {QStringLiteral("type"), QStringLiteral("application/rss+xml")}},
                                {}, {}});
    return links;
}

// The post goes as a delete would take it and comes to the top as a new
// post would; the undo takes it from the top and puts it back.
bool CRSSEditDoc::MovePostToTop(int index)
{
    std::unique_ptr<CRemovedPost> removed = m_feed.TakePost(index);
    if (!removed)
        return false;
    auto kept = std::make_shared<const CRemovedPost>(*removed);
    auto top = std::make_shared<CFeedPart>(m_feed.SavePlaceAtTop());
    m_feed.PutPostAtTop(std::move(*removed));
    pushChange(
            tr("Move Post to Top"),
            [this, kept, top] {
                m_feed.SwapPart(*top);
                removedAt(0);
                insertedAt(m_feed.PutBackPost(*kept));
            },
            [this, index, top] {
                m_feed.TakePost(index);
                m_feed.SwapPart(*top);
                removedAt(index);
                insertedAt(0);
            });
    // Heard as the post going from its place, then arriving at the top.
    removedAt(index);
    insertedAt(0);
    return true;
}

bool CRSSEditDoc::SetPostDateNow(int index)
{
    auto before = std::make_shared<CFeedPart>(m_feed.SavePost(index));
    if (!m_feed.SetPostPubDateNow(index))
        return false;
    const auto swap = [this, before, index] {
        m_feed.SwapPart(*before);
        emit postRestored(index);
        emit postElementsChanged(index);
    };
    pushChange(tr("Set Date to Now"), swap, swap);
    emit postElementsChanged(index);
    return true;
}

void CRSSEditDoc::pushChange(const QString &text, std::function<void()> undo, std::function<void()> redo,
                             int mergeId, const QString &mergeKey, std::function<bool()> revertIfUnchanged)
{
    auto *change = new CFeedChange(text, [this, undo] { replayStep(undo); }, [this, redo] { replayStep(redo); });
    change->setMergeKey(mergeId, mergeKey);
    change->setRevertIfUnchanged(std::move(revertIfUnchanged));
    m_undoStack->push(change);
}

void CRSSEditDoc::replayStep(const std::function<void()> &step)
{
    const QScopedValueRollback<bool> replaying(m_replaying, true);
    step();
}

void CRSSEditDoc::replay(bool undo)
{
    if (undo)
        m_undoStack->undo();
    else
        m_undoStack->redo();
}

// A copy that has a footer gets it with the present version; one without
// keeps its description.
void CRSSEditDoc::renewFooterOfCopy()
{
    QString description = m_feed.GetPostDescription(0);
    if (m_descriptionFilter && CutPostFooter(description))
        m_feed.SetPostDescription(0, m_descriptionFilter(description));
}
