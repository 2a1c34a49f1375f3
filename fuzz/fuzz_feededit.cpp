// A feed file, then edits through the document as a user makes them:
// titles, links, authors and descriptions set to awkward text, channel and
// post elements (attributes, children, namespaced names) replaced, posts
// added, copied and removed. The saved file must open again with every value as
// the document held it before the save, and every element nobody edited
// must keep its bytes. Undoing every edit then gives back the opened file
// byte for byte: what the undo steps keep must outlive the edit buffers the
// feed releases on the way. The edits come from a generator seeded with a
// hash of the input, so any change to the file also changes what is done to it.

#include "FuzzSupport.h"
#include "core/FeedParser.h"
#include "core/FeedVocabulary.h"
#include "core/RssFeed.h"
#include "core/XmlSafeText.h"
#include "document/RSSEditDoc.h"

#include <QCryptographicHash>
#include <QUndoStack>
#include <QStandardPaths>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <vector>

namespace {

// Byte ranges of the channel's children and their children, found the way
// the feed finds them: the first `channel` of an `rss` root.
class ElementRanges : public FeedParser
{
public:
    struct Element
    {
        QByteArray name;
        qsizetype begin = 0;
        qsizetype end = 0;
        std::vector<Element> children;
        bool post = false; // an item, or a live item of the podcast namespace
    };

    std::vector<Element> channelChildren;
    qsizetype channelContentBegin = -1;
    qsizetype channelContentEnd = -1;

protected:
    void startElement(const char *name, const char **attributes, qsizetype begin, qsizetype end) override
    {
        ++m_depth;
        if (m_depth == 1) {
            m_inRss = std::strcmp(name, "rss") == 0;
            declare(attributes, &m_scope);
        } else if (m_depth == 2 && m_inRss && channelContentBegin < 0 && std::strcmp(name, "channel") == 0) {
            m_inChannel = true;
            channelContentBegin = end;
            declare(attributes, &m_scope);
        } else if (m_depth == 3 && m_inChannel) {
            std::map<QByteArray, QString> scope = m_scope;
            declare(attributes, &scope);
            const QByteArray qualified = name;
            const qsizetype colon = qualified.indexOf(':');
            const bool live = colon > 0 && qualified.mid(colon + 1) == "liveItem" && standsFor(scope, qualified.left(colon)) == "podcast";
            channelChildren.push_back(Element{name, begin, end, {}, qualified == "item" || live});
        } else if (m_depth == 4 && m_inChannel) {
            channelChildren.back().children.push_back(Element{name, begin, end, {}});
        }
    }

    void endElement(qsizetype begin, qsizetype end) override
    {
        if (m_depth == 4 && m_inChannel) {
            channelChildren.back().children.back().end = end;
        } else if (m_depth == 3 && m_inChannel) {
            channelChildren.back().end = end;
        } else if (m_depth == 2 && m_inChannel) {
            channelContentEnd = begin;
            m_inChannel = false;
        }
        --m_depth;
    }

private:
    // The namespaces declared among the attributes, by prefix ("" for the
    // default one).
    static void declare(const char **attributes, std::map<QByteArray, QString> *scope)
    {
        for (const char **attribute = attributes; *attribute; attribute += 2) {
            const QByteArray name = attribute[0];
            if (name == "xmlns" || name.startsWith("xmlns:"))
                (*scope)[name.mid(6)] = QString::fromUtf8(attribute[1]);
        }
    }

    // The usual prefix a prefix stands for; one the file never declares
    // reads as written, as the feed reads it.
    static QString standsFor(const std::map<QByteArray, QString> &scope, const QByteArray &prefix)
    {
        const auto declared = scope.find(prefix);
        return declared == scope.end() ? QString::fromUtf8(prefix) : CFeedVocabulary::canonicalPrefix(declared->second);
    }

    std::map<QByteArray, QString> m_scope;
    int m_depth = 0;
    bool m_inRss = false;
    bool m_inChannel = false;
};

QByteArray bytesOf(const QByteArray &file, const ElementRanges::Element &element)
{
    return file.mid(element.begin, element.end - element.begin);
}

// An element's name without its prefix: the file may give a namespace any.
QByteArray localName(const QByteArray &name)
{
    return name.mid(name.indexOf(':') + 1);
}

// What the document knows of a post: the post of the opened file it is, or
// -1 for a new post or a copy, and the local names of the elements an edit
// may have rewritten.
struct PostOrigin
{
    int original;
    std::set<QByteArray> edited;
};

// Text a user might type or paste: markup, entities, CDATA ends, line ends,
// runs of white space, scripts of several encodings, characters outside
// the basic plane and characters XML cannot hold (lone surrogates are
// added apart: a literal cannot hold one).
const char16_t *const kPieces[] = {
    u"News", u" ", u"   ", u"\t", u"\n", u"\r\n", u"\r", u"&", u"&amp;", u"&#1234;", u"<", u">",
    u"<b>bold</b>", u"<p>para</p>", u"]]>", u"<![CDATA[", u"]]", u"\"", u"'", u"--", u"\u00a0",
    u"\u0416\u0443\u043a", u"\u05e2\u05d1\u05e8\u05d9\u05ea", u"\u4e2d\u6587", u"\U0001F600", u"\u00e9",
    u"\u20ac", u"\u0001", u"\ufffe", u"\u000b", u"http://example.com/a?x=1&y=2", u"%20",
};

class EditScript
{
public:
    explicit EditScript(const QByteArray &input)
        : m_input(input)
    {
        const QByteArray hash = QCryptographicHash::hash(input, QCryptographicHash::Sha256);
        std::seed_seq seed(hash.begin(), hash.end());
        m_random.seed(seed);
    }

    int below(int bound) { return bound <= 0 ? 0 : int(m_random() % unsigned(bound)); }

    QString text()
    {
        QString text;
        const int pieces = below(6);
        for (int i = 0; i < pieces; ++i) {
            if (below(20) == 0) {
                text += QChar(char16_t(0xd800 + below(0x800)));
            } else if (below(5) == 0 && !m_input.isEmpty()) {
                const int from = below(int(m_input.size()));
                text += QString::fromUtf8(m_input.mid(from, 1 + below(40)));
            } else {
                text += QString::fromUtf16(kPieces[below(int(std::size(kPieces)))]);
            }
        }
        return text;
    }

    // An element of a name the properties pages edit: text, or attributes
    // and children of names the pages use.
    FeedElement element(const QString &name, int depth = 0)
    {
        static const char *const attributes[] = {"url", "length", "type", "text", "domain", "isPermaLink", "rel"};
        static const char *const children[] = {"url", "title", "hour", "itunes:name", "itunes:category", "podcast:x"};
        FeedElement made{name, {}, QString(), {}};
        for (int i = below(3); i > 0; --i) {
            // Apart, so that every compiler draws them in this order.
            const QLatin1String attribute(attributes[below(int(std::size(attributes)))]);
            made.setAttribute(attribute, text());
        }
        if (depth < 2 && below(3) == 0) {
            for (int i = 1 + below(3); i > 0; --i)
                made.children.push_back(element(QLatin1String(children[below(int(std::size(children)))]), depth + 1));
        } else {
            made.text = text();
        }
        return made;
    }

private:
    QByteArray m_input;
    std::mt19937 m_random;
};

// The elements as the feed stores them: text XML can hold, and no element
// that holds nothing at all.
std::vector<FeedElement> stored(std::vector<FeedElement> elements)
{
    std::vector<FeedElement> kept;
    for (FeedElement &element : elements) {
        for (auto &attribute : element.attributes)
            attribute.second = XmlSafeText(attribute.second);
        element.text = XmlSafeText(element.text);
        element.children = stored(element.children);
        if (!element.attributes.isEmpty() || !element.text.isEmpty() || !element.children.empty())
            kept.push_back(std::move(element));
    }
    return kept;
}

// Text with every character outside printable ASCII as its code, for the
// report of a broken property.
QString codePoints(const QString &text)
{
    QString shown;
    for (const QChar c : text)
        shown += c.unicode() >= 0x20 && c.unicode() < 0x7f ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return shown;
}

const CRSSEditDoc::PostField kFields[] = {CRSSEditDoc::PostTitle, CRSSEditDoc::PostLink,
                                          CRSSEditDoc::PostAuthor, CRSSEditDoc::PostDescription};

// The elements a change of the field may rewrite: a permalink guid follows
// its link.
std::set<QByteArray> elementsOf(CRSSEditDoc::PostField field)
{
    switch (field) {
    case CRSSEditDoc::PostTitle:
        return {"title"};
    case CRSSEditDoc::PostLink:
        return {"link", "guid"};
    case CRSSEditDoc::PostAuthor:
        return {"author"};
    case CRSSEditDoc::PostDescription:
        return {"description"};
    }
    return {};
}

QString describe(const std::vector<FeedElement> &elements)
{
    QString text;
    for (const FeedElement &element : elements) {
        text += QStringLiteral("<%1").arg(element.name);
        for (const auto &[name, value] : element.attributes)
            text += QStringLiteral(" %1=[%2]").arg(name, codePoints(value));
        text += QStringLiteral(">[%1]%2</>").arg(codePoints(element.text), describe(element.children));
    }
    return text;
}

// Replaces the elements of one name of the channel (post < 0) or a post.
// Returns the local name edited, empty when nothing changed.
QByteArray editElements(CRSSEditDoc &doc, EditScript &script, int post)
{
    const QStringList &names = post < 0 ? CFeedVocabulary::channelElements() : CFeedVocabulary::postElements();
    const QString name = names[script.below(int(names.size()))];
    const auto read = [&] { return post < 0 ? doc.feed()->GetChannelElements(name) : doc.feed()->GetPostElements(post, name); };
    const std::vector<FeedElement> before = read();
    std::vector<FeedElement> elements = before;
    if (!elements.empty() && script.below(2) == 0)
        elements[size_t(script.below(int(elements.size())))] = script.element(name);
    else if (script.below(4) == 0)
        elements.clear();
    else
        elements.push_back(script.element(name));
    const bool changed = post < 0 ? doc.SetChannelElements(name, elements) : doc.SetPostElements(post, name, elements);
    // Elements of the file kept as they were may hold empty children; a
    // feed without a channel takes none.
    const std::vector<FeedElement> after = read();
    fuzzCheck(changed ? stored(after) == stored(elements) : after == before, "stored elements read back as given",
              QStringLiteral("%1 of post %2:\n%3\n%4").arg(name).arg(post).arg(describe(stored(elements)), describe(stored(after))));
    return changed ? name.mid(name.indexOf(u':') + 1).toUtf8() : QByteArray();
}

void applyEdits(CRSSEditDoc &doc, EditScript &script, std::vector<PostOrigin> &posts, std::set<QByteArray> &channelEdited)
{
    const int edits = 1 + script.below(8);
    for (int i = 0; i < edits; ++i) {
        const int post = script.below(int(posts.size()));
        switch (script.below(13)) {
        case 0:
            if (doc.InsertNewPost())
                posts.insert(posts.begin(), PostOrigin{-1, {}});
            break;
        case 1:
            if (doc.InsertCopyOfPost(post))
                posts.insert(posts.begin(), PostOrigin{-1, {}});
            break;
        case 2:
            if (doc.RemovePost(post))
                posts.erase(posts.begin() + post);
            break;
        case 3:
            if (const QByteArray edited = editElements(doc, script, -1); !edited.isEmpty())
                channelEdited.insert(edited);
            break;
        case 4:
            if (posts.empty())
                break;
            if (const QByteArray edited = editElements(doc, script, post); !edited.isEmpty())
                posts[size_t(post)].edited.insert(edited);
            break;
        case 5:
            if (doc.InsertNewLiveItem())
                posts.insert(posts.begin(), PostOrigin{-1, {}});
            break;
        case 6: {
            // The post's own tag: its children keep their bytes.
            static const char *const attributes[] = {"status", "start", "end"};
            const QLatin1String name(attributes[script.below(int(std::size(attributes)))]);
            const QString value = script.text();
            if (posts.empty() || !doc.SetPostAttribute(post, name, value))
                break;
            posts[size_t(post)].edited.insert(QByteArray());
            fuzzCheck(doc.feed()->GetPostAttribute(post, name) == XmlSafeText(value), "a post's attribute reads back as typed",
                      QStringLiteral("%1 of post %2: %3").arg(name).arg(post).arg(codePoints(value)));
            break;
        }
        default: {
            const CRSSEditDoc::PostField field = kFields[script.below(4)];
            const QString value = script.text();
            if (!doc.SetPostField(post, field, value))
                break;
            posts[size_t(post)].edited.merge(elementsOf(field));
            const QString stored = doc.GetPostField(post, field);
            fuzzCheck(stored == XmlSafeText(value), "a stored field reads back as typed",
                      QStringLiteral("field %1 of post %2\ntyped: %3\nread:  %4")
                              .arg(int(field)).arg(post).arg(codePoints(value), codePoints(stored)));
        }
        }
        fuzzCheck(doc.feed()->GetPostCount() == int(posts.size()), "the post count follows the edits");
    }
}

// Every value of every post, as the feed gives them.
QStringList valuesOf(const CRssFeed &feed)
{
    QStringList values;
    for (int i = 0; i < feed.GetPostCount(); ++i) {
        values << feed.GetPostTitle(i) << feed.GetPostLink(i) << feed.GetPostAuthor(i) << feed.GetPostPubDate(i)
               << feed.GetPostGuid(i) << feed.GetPostDescription(i);
    }
    return values;
}

// The children of an item other than the edited ones, in order.
std::vector<QByteArray> untouchedChildren(const QByteArray &file, const ElementRanges::Element &item,
                                          const std::set<QByteArray> &edited)
{
    std::vector<QByteArray> children;
    for (const ElementRanges::Element &child : item.children) {
        if (!edited.count(localName(child.name)))
            children.push_back(bytesOf(file, child));
    }
    return children;
}

// `declared`: the edits declared a namespace on rss, which changes the
// file before the channel's content.
void checkUntouchedBytes(const QByteArray &input, const QByteArray &saved, const std::vector<PostOrigin> &posts,
                         const std::set<QByteArray> &channelEdited, bool declared)
{
    ElementRanges before, after;
    QString error;
    fuzzCheck(before.parse(input, &error), "the opened file parses", error);
    fuzzCheck(after.parse(saved, &error), "the saved file parses", error);
    fuzzCheck(declared || input.left(before.channelContentBegin) == saved.left(after.channelContentBegin),
              "the file up to the channel's content keeps its bytes");
    fuzzCheck(input.mid(before.channelContentEnd) == saved.mid(after.channelContentEnd),
              "the file from the channel's end tag keeps its bytes");

    std::vector<const ElementRanges::Element *> itemsBefore, itemsAfter;
    std::vector<QByteArray> othersBefore, othersAfter;
    for (const ElementRanges::Element &child : before.channelChildren) {
        if (child.post)
            itemsBefore.push_back(&child);
        else if (!channelEdited.count(localName(child.name)))
            othersBefore.push_back(bytesOf(input, child));
    }
    for (const ElementRanges::Element &child : after.channelChildren) {
        if (child.post)
            itemsAfter.push_back(&child);
        else if (!channelEdited.count(localName(child.name)))
            othersAfter.push_back(bytesOf(saved, child));
    }
    fuzzCheck(othersBefore == othersAfter, "the channel's other children keep their bytes");
    fuzzCheck(itemsAfter.size() == posts.size(), "the saved file holds every post");
    for (size_t i = 0; i < posts.size(); ++i) {
        if (posts[i].original < 0)
            continue;
        const ElementRanges::Element &was = *itemsBefore[size_t(posts[i].original)];
        const ElementRanges::Element &is = *itemsAfter[i];
        const QString where = QStringLiteral("post %1, post %2 of the file").arg(i).arg(posts[i].original);
        if (posts[i].edited.empty())
            fuzzCheck(bytesOf(input, was) == bytesOf(saved, is), "a post nobody edited keeps its bytes", where);
        else
            fuzzCheck(untouchedChildren(input, was, posts[i].edited) == untouchedChildren(saved, is, posts[i].edited),
                      "the elements of an edited post that were not edited keep their bytes", where);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Saves to another path make no backups, but keep any per-user file
    // out of the user's folders all the same.
    QStandardPaths::setTestModeEnabled(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString inPath = fuzzFolder() + QStringLiteral("/edit-in.xml");
    const QString outPath = fuzzFolder() + QStringLiteral("/edit-out.xml");
    writeFileBytes(inPath, input);
    QFile::remove(outPath);

    CRSSEditDoc doc;
    if (!doc.OnOpenDocument(inPath))
        return 0;
    std::vector<PostOrigin> posts;
    for (int i = 0; i < doc.feed()->GetPostCount(); ++i)
        posts.push_back(PostOrigin{i, {}});
    EditScript script(input);
    const auto declarations = [&doc] {
        return QList<bool>{doc.feed()->HasNamespace(CFeedVocabulary::itunesNamespace()),
                           doc.feed()->HasNamespace(CFeedVocabulary::podcastNamespace()),
                           doc.feed()->HasNamespace(CFeedVocabulary::atomNamespace())};
    };
    const QList<bool> declaredBefore = declarations();
    std::set<QByteArray> channelEdited;
    applyEdits(doc, script, posts, channelEdited);
    const bool declared = declarations() != declaredBefore;
    const QStringList values = valuesOf(*doc.feed());

    QString error;
    fuzzCheck(doc.OnSaveDocument(outPath, &error), "an edited feed saves", error);
    CRssFeed reread;
    fuzzCheck(reread.LoadFromFile(outPath, &error), "a saved feed opens again", error);
    const QStringList rereadValues = valuesOf(reread);
    fuzzCheck(rereadValues.size() == values.size(), "the saved feed holds every post");
    for (qsizetype i = 0; i < values.size(); ++i) {
        fuzzCheck(rereadValues[i] == values[i], "every value reads back from the saved file as the document held it",
                  QStringLiteral("post %1, value %2:\n[%3]\n[%4]")
                          .arg(i / 6).arg(i % 6).arg(codePoints(values[i]), codePoints(rereadValues[i])));
    }
    checkUntouchedBytes(input, readFileBytes(outPath), posts, channelEdited, declared);

    while (doc.undoStack()->canUndo())
        doc.undo();
    fuzzCheck(doc.OnSaveDocument(outPath, &error), "an undone feed saves", error);
    fuzzCheck(readFileBytes(outPath) == input, "undoing every edit gives back the file");
    return 0;
}
