#pragma once

#include "core/FeedBuffers.h"
#include "core/FeedElement.h"
#include "core/FeedElementXml.h"
#include "core/FeedNamespaces.h"
#include "core/FeedNode.h"
#include "core/FeedPart.h"
#include "core/RemovedPost.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CFeedReader;
class CRssFeed;
class FeedEncoding;

// The feed document: the bytes of the feed file, and where in them stand
// the channel's children, each post and each of its children. Posts are the
// `item` children of rss/channel and its live items (`podcast:liveItem`, a
// stream announced with a status, a start and an end, whose children are
// those of an item), addressed by position in file order.
//
// People keep feed files in version control and publish them to readers who
// know posts by guid and link, so a save must change only what the user
// changed. The file is therefore read with expat, which reports the byte
// range of every tag (FeedParser), rather than into a tree that would be
// printed anew: a save copies the original bytes of everything untouched
// and writes new text, in the file's encoding, line ends and indentation,
// only for the elements changed, added or removed. Values are decoded when
// asked for (FeedValue).
class CRssFeed
{
public:
    CRssFeed();
    ~CRssFeed();
    CRssFeed(const CRssFeed &) = delete;
    CRssFeed &operator=(const CRssFeed &) = delete;
    // A feed read on a worker thread is handed over whole to the thread
    // that edits it.
    CRssFeed(CRssFeed &&) noexcept;
    CRssFeed &operator=(CRssFeed &&) noexcept;

    // --- Files ---
    // Reads a feed file whole, in the encoding it declares. Files that are
    // not RSS feeds (images, web pages, Atom feeds) and files that are not
    // well-formed are refused. On failure the feed is empty and *error says
    // why, and where with line and column.
    bool LoadFromFile(const QString &path, QString *error = nullptr);
    // Writes through a temporary file that replaces the target, so a failed
    // save leaves the old file untouched; keeps its permissions and, where
    // the user may set them, its owner and group.
    bool SaveToFile(const QString &path, QString *error = nullptr);
    // Empties the feed and builds a new one with one post: UTF-8, LF line
    // ends, two-space indentation. `link` is the web site's address,
    // `selfLink` the feed's own. Only elements with a value are written,
    // beside the title and link.
    bool CreateNewFeed(const QString &title, const QString &link, const QString &category,
                       const QString &selfLink = QString(), const QString &description = QString());
    void ClearFeed();
    // The whole file as a save writes it, in UTF-8, without a byte-order mark.
    QByteArray PrintToString() const;
    bool HasByteOrderMark() const { return m_hasByteOrderMark; }
    // The encoding the file is read and written in.
    QByteArray EncodingName() const;
    // Whether the file at `path` differs in size or modification time from
    // the one this feed was read from or last saved to.
    bool IsChangedOnDisk(const QString &path) const;
    // The bytes held for edits beside the file's: what the feed and the
    // parts kept for undo use, and what is not yet released.
    qsizetype EditBytes() const { return m_buffers.editBytes(); }

    // --- Posts ---
    int GetPostCount() const;
    bool IsLiveItem(int index) const;
    // An attribute of the post's own start tag (a live item's status, start
    // and end); empty when it has none.
    QString GetPostAttribute(int index, const QString &name) const;
    // Rewrites the post's start tag alone: the value in place of the old
    // one, a new attribute after the last, an empty value removes it.
    bool SetPostAttribute(int index, const QString &name, const QString &value);

    // A negative index reads the first post.
    QString GetPostTitle(int index) const;
    QString GetPostLink(int index) const;
    QString GetPostAuthor(int index) const;
    QString GetPostPubDate(int index) const;
    QString GetPostGuid(int index) const;
    // The whole content: markup mixed into the text is given as it stands.
    QString GetPostDescription(int index) const;
    QString GetPostPlainDescription(int index) const;

    // A post without the element gets one, where a new post has it, unless
    // the text is empty. Every setter drops what XML cannot hold
    // (XmlSafeText); setting the value a field has changes nothing.
    bool SetPostTitle(int index, const QString &text);
    bool SetPostAuthor(int index, const QString &text);
    bool SetPostLink(int index, const QString &text);
    // Replaces the whole content of the description.
    bool SetPostDescription(int index, const QString &text);
    bool SetPostPubDateNow(int index);

    // --- Channel ---
    // A text element of the channel (title, link, description, language,
    // ...); a missing one is made before the first post when given text.
    // An empty text removes the element, but for title, link and
    // description, which every channel has.
    QString GetChannelField(const char *name) const;
    bool SetChannelField(const char *name, const QString &text);

    // --- Elements, for the properties pages ---
    // Names are canonical (CFeedVocabulary): "itunes:..." is the element of
    // the iTunes namespace whatever prefix the file gives it.
    // Every child of the channel (or of post `index`) with this name, in file order.
    std::vector<FeedElement> GetChannelElements(const QString &name) const;
    std::vector<FeedElement> GetPostElements(int index, const QString &name) const;
    // Replaces all of them by `elements`: an element equal to the one at
    // its place keeps its bytes; a changed one is written anew in the
    // file's encoding, indentation and line ends (a text-only change keeps
    // its tags as written); extra ones go after the last of the name (or
    // where a new feed or post has that element); an element with no
    // attributes, text or children counts as absent at any depth, and an
    // empty list removes them all. Text loses what XML cannot hold
    // (XmlSafeText). Namespaces the written elements need and the file
    // does not declare are declared on rss. True when the feed changed.
    bool SetChannelElements(const QString &name, const std::vector<FeedElement> &elements);
    bool SetPostElements(int index, const QString &name, const std::vector<FeedElement> &elements);
    // The children the properties pages do not edit, as (qualified name as
    // written, the whole element as it stands in the file), in file order.
    std::vector<std::pair<QString, QString>> GetOtherChannelElements() const;
    std::vector<std::pair<QString, QString>> GetOtherPostElements(int index) const;
    // Whether the rss element or the channel declares the namespace (or
    // another spelling of it).
    bool HasNamespace(const QString &uri) const;
    // Adds xmlns:prefix="uri" to the rss start tag, after its last
    // attribute and spaced like it; nothing when the namespace is declared.
    // A prefix bound to another namespace gets a number ("itunes2").
    bool DeclareNamespace(const QString &prefix, const QString &uri);

    // A new post 0 titled "New Item", with the current date and a guid of
    // its own, isPermaLink="false".
    bool AddNewPost();
    // A new post 0 that is a live item titled "New Live Item", status
    // "pending", the start and end given (ISO 8601), and a guid of its own;
    // the podcast namespace is declared when the feed lacks it.
    bool AddNewLiveItem(const QDateTime &start, const QDateTime &end);
    // The copy becomes post 0, with a guid of its own (as AddNewPost gives)
    // and the current date.
    bool CopyPostToTop(int index);
    // The post itself becomes post 0, guid and date unchanged.
    bool MovePostToTop(int index);
    bool RemovePost(int index);
    // RemovePost that hands the post over, and its exact inverse, which
    // gives the post's index again (-1 when the feed changed too much).
    std::unique_ptr<CRemovedPost> TakePost(int index);
    int PutBackPost(CRemovedPost post);
    // A taken post at the top, as MovePostToTop puts it there.
    bool PutPostAtTop(CRemovedPost post);

    // --- Undo ---
    // The part of the feed that a change will touch, kept before it: a
    // post's fields; the place where a post goes at the top; the channel's
    // elements (its fields, and the feed's root and channel tags).
    CFeedPart SavePost(int index) const;
    CFeedPart SavePlaceAtTop() const;
    CFeedPart SaveHeader() const;
    // False when the feed no longer fits the part; the feed is then unchanged.
    bool SwapPart(CFeedPart &part);

    static QString NewGuidText();
    static QString StripTags(const QString &text);
    static QString DecodeBasicEntities(const QString &text);
    // "Tidrel <version>": no web address, which a user's feed would carry
    // wherever it is published.
    static QString GeneratorText();
    // The version as users see it, e.g. 1.2.1.
    static QString ProductVersionText();

private:
    // The classes that lay out and write new nodes, edit the element tables
    // and keep parts for undo work on the feed's nodes and buffers directly.
    friend class CFeedElementEditor;
    friend class CFeedLayout;
    friend class CFeedNodeWriter;
    friend class CFeedPart;
    friend class CFeedPosts;

    struct Head;

    bool loadBytes(CPackedBytes bytes, QString *error);
    void adopt(CFeedReader &reader, CPackedBytes bytes);
    void rememberDiskState(const QString &path);

    const FeedNode *post(int index) const;
    FeedNode *post(int index);
    void renewPostIndex();
    bool isLiveItem(const FeedNode &node, std::optional<CFeedNamespaces> &channelScope) const;
    bool isPost(size_t childIndex) const;
    int nameId(const QByteArray &name);
    int addBuffer(QByteArray bytes);
    std::vector<int> usedEditBuffers() const;
    FeedNode *field(FeedNode *item, const char *name);
    const FeedNode *field(const FeedNode *item, const char *name) const;
    QString decoded(int buffer, qsizetype begin, qsizetype end) const;
    QString content(const FeedNode &node) const;
    QString fieldValue(int index, const char *name) const;

    bool setField(FeedNode *item, const char *name, const QString &text);
    FeedNode *insertField(FeedNode *item, const char *name);
    void replaceContent(FeedNode &node, const QString &value);
    void writeContent(FeedNode &node, const QString &content);
    QString lineEndBefore(const FeedNode &node) const;
    // The content of the description last read or written, decoded, and
    // its value, known by the bytes they were read from: a key typed into
    // a long description reads it and writes it anew, and decoding and
    // reading the whole of it at every key would make a key cost the
    // description's length. Reading fills it: a feed is read by one
    // thread at a time.
    struct DecodedDescription
    {
        QByteArray encoding;
        QByteArray bytes;
        std::optional<QString> content;
        std::optional<QString> value;
    };
    const DecodedDescription &decodedDescription(const FeedNode &node) const;
    void replaceDescription(FeedNode &node, const QString &value);
    void openEmptyElement(FeedNode &node);
    void replaceStartTag(FeedNode &node, const QString &startTag);
    FeedNode splitLead(FeedNode &node) const;
    void removeChild(FeedNode &parent, size_t index);
    bool laterField(const FeedNode &item, size_t at) const;

    Head readHead() const;
    CFeedNamespaces scopeOf(const FeedNode &parent) const;
    QString canonicalName(const FeedNode &child, const CFeedNamespaces &scope) const;

    CFeedBuffers m_buffers;
    std::unique_ptr<FeedEncoding> m_encoding;
    QList<QByteArray> m_names;
    FeedNode m_channel;
    bool m_hasChannel = false;
    std::vector<size_t> m_posts; // positions of the posts among the channel's children, ascending
    bool m_hasByteOrderMark = false;
    qint64 m_diskSize = -1;
    QDateTime m_diskModified;
    mutable DecodedDescription m_lastDescription;
};
