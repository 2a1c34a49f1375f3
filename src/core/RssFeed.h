#pragma once

#include <QByteArray>
#include <QString>

#include <set>
#include <vector>

#include <tinyxml.h>

class CRssFeed;

// A handle on one post (feed + index). Holds no copies: every call reads or
// writes the tree. Addresses a position, not an element.
class PostRef
{
public:
    PostRef(CRssFeed *feed, int index) : m_feed(feed), m_index(index) {}
    virtual ~PostRef() = default;

    virtual QString GetAuthor() const;
    virtual QString GetDescription() const;
    virtual QString GetLink() const;
    virtual QString GetTitle() const;
    virtual QString GetPubDate() const;

    virtual bool SetAuthor(const QString &text);
    // Passes the text through the description filter first.
    virtual bool SetDescription(const QString &text);
    virtual bool SetLink(const QString &text);
    virtual bool SetTitle(const QString &text);

    CRssFeed *feed() const { return m_feed; }
    int index() const { return m_index; }

private:
    CRssFeed *m_feed;
    int m_index;
};

// Process-wide filter applied to every description stored through PostRef.
using DescriptionFilterFn = QString (*)(const QString &description, quintptr context);
void SetDescriptionFilter(DescriptionFilterFn filter, quintptr context);
QString ApplyDescriptionFilter(const QString &description);

// The feed document: the XML tree of the feed file is the whole state.
// Posts are the `item` children of rss/channel, addressed by position.
//
// Post lookups go through an index of the item elements that every
// structural change made here renews; code that edits the tree directly
// through TinyXML must call InvalidatePostIndex().
class CRssFeed : public TiXmlDocument
{
public:
    CRssFeed();
    // The post index points into the tree: a copy would share it.
    CRssFeed(const CRssFeed &) = delete;
    CRssFeed &operator=(const CRssFeed &) = delete;

    // --- Files ---
    // Reads a feed file whole. Non-UTF-8 files are converted to UTF-8 as they
    // are read. Files that are not RSS feeds (images, web pages, Atom feeds)
    // are refused. On failure the tree is empty and *error says why and where.
    bool LoadFromFile(const QString &path, QString *error = nullptr);
    // Writes the tree through a temporary file that replaces the target, so
    // a failed save leaves the old file untouched.
    bool SaveToFile(const QString &path, QString *error = nullptr);
    // Empties the tree and builds a new feed with one post.
    bool CreateNewFeed(const QString &title, const QString &link, const QString &category);
    // Removes every node.
    void ClearFeed();
    // The whole tree as the file would hold it (UTF-8, four-space indent,
    // CR LF), without a byte-order mark.
    QByteArray PrintToString() const;
    bool HasByteOrderMark() const { return m_hasByteOrderMark; }

    // --- Posts ---
    int GetPostCount() const;
    TiXmlElement *FindPost(int index) const;
    PostRef *OpenPost(int index); // caller deletes; null unless 0 <= index < count

    QString GetPostTitle(int index) const;
    QString GetPostLink(int index) const;
    QString GetPostAuthor(int index) const;
    QString GetPostPubDate(int index) const;
    // The whole content: markup mixed into the text is printed in place.
    QString GetPostDescription(int index) const;
    QString GetPostPlainDescription(int index) const;

    // A post without the element gets one, where a new post has it, unless
    // the text is empty. Every setter drops what XML cannot hold (XmlSafeText).
    bool SetPostTitle(int index, const QString &text);
    bool SetPostAuthor(int index, const QString &text);
    bool SetPostLink(int index, const QString &text); // also rewrites the guid
    // Replaces the whole content of an existing description.
    bool SetPostDescription(int index, const QString &text);

    bool AddNewPost();
    bool CopyPostToTop(int index);
    bool RemovePost(int index);
    int CollectLinks(std::set<QString> &links) const;

    void InvalidatePostIndex() { m_postIndexValid = false; }

    // --- Helpers shared with the document and the post footer ---
    // Sets the first child's text; an empty element gets a text node unless
    // the text is empty. Fails when the first child is not text.
    static bool SetElementText(TiXmlElement *element, const QString &text);
    static bool SetChildText(TiXmlElement *item, const char *name, const QString &text, bool stampDate);
    static void StampPubDate(TiXmlElement *item);
    static TiXmlElement *AppendTextElement(TiXmlNode *parent, const char *name, const QString &text = QString());
    static void FillNewItem(TiXmlElement *item);
    static QString NewGuidText();
    static QString StripTags(const QString &text);
    static QString DecodeBasicEntities(const QString &text);
    static QByteArray ToUtf8(const QString &text);
    static QString FromUtf8(const char *utf8);
    // "Tidrel <version>, <home page>"
    static QString GeneratorText();
    // The version as users see it, e.g. 1.2.1.
    static QString ProductVersionText();

    TiXmlElement *FindChannel() const;

private:
    void rebuildPostIndex() const;
    const std::vector<TiXmlElement *> &posts() const;
    bool insertAtTop(TiXmlElement *channel, const TiXmlElement &item);

    mutable std::vector<TiXmlElement *> m_posts;
    mutable bool m_postIndexValid = false;
    bool m_hasByteOrderMark = false;
};
