#include "core/RssFeed.h"

#include "core/FeedFileKind.h"
#include "core/FeedFileText.h"
#include "core/FeedPrinter.h"
#include "core/ProductInfo.h"
#include "core/PubDate.h"
#include "core/TrimCharacters.h"
#include "core/XmlSafeText.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QUuid>

#include <iterator>

namespace {

DescriptionFilterFn g_descriptionFilter = nullptr;
quintptr g_descriptionFilterContext = 0;

const char kAtomNamespace[] = "http://www.w3.org/2005/Atom";
const char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

// A new post's fields, in the order FillNewItem writes them.
const char *const kPostFields[] = {"title", "description", "pubDate", "link", "author", "guid"};

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString fieldText(const TiXmlElement *item, const char *name)
{
    if (!item)
        return QString();
    const TiXmlElement *field = item->FirstChildElement(name);
    const TiXmlNode *child = field ? field->FirstChild() : nullptr;
    if (!child || !child->ToText())
        return QString();
    const std::string &value = child->ValueStr();
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}

// Everything inside the element as markup, in document order: text and
// CDATA as they stand, child elements, comments and other markup printed.
// A description that mixes markup and text is shown and edited whole.
QString wholeContent(const TiXmlElement *element)
{
    const TiXmlNode *first = element ? element->FirstChild() : nullptr;
    if (first && !first->NextSibling() && first->ToText())
        return QString::fromUtf8(first->Value());
    std::string content;
    for (const TiXmlNode *child = first; child; child = child->NextSibling()) {
        if (child->ToText()) {
            content += child->ValueStr();
            continue;
        }
        TiXmlPrinter printer;
        printer.SetStreamPrinting();
        child->Accept(&printer);
        content += printer.Str();
    }
    return QString::fromUtf8(content.data(), qsizetype(content.size()));
}

// Replaces everything inside the element by one text node. It stays a
// CDATA section when the content held one.
bool replaceContent(TiXmlElement *element, const QString &text)
{
    const TiXmlNode *first = element ? element->FirstChild() : nullptr;
    if (first && (first->NextSibling() || !first->ToText())) {
        bool cdata = false;
        for (const TiXmlNode *child = first; child; child = child->NextSibling())
            cdata = cdata || (child->ToText() && child->ToText()->CDATA());
        element->Clear();
        TiXmlText node("");
        node.SetCDATA(cdata);
        element->InsertEndChild(node);
    }
    return CRssFeed::SetElementText(element, text);
}

// Adds an empty field element to the item where a new post has it: after
// the nearest field that comes before it, else before the nearest one that
// comes after it, else at the end.
TiXmlElement *insertField(TiXmlElement *item, const char *name)
{
    const size_t count = std::size(kPostFields);
    size_t at = 0;
    while (at < count && qstrcmp(kPostFields[at], name) != 0)
        ++at;
    const TiXmlElement field(name);
    for (size_t i = at; i-- > 0;) {
        if (TiXmlElement *sibling = item->FirstChildElement(kPostFields[i]))
            return static_cast<TiXmlElement *>(item->InsertAfterChild(sibling, field));
    }
    for (size_t i = at + 1; i < count; ++i) {
        if (TiXmlElement *sibling = item->FirstChildElement(kPostFields[i]))
            return static_cast<TiXmlElement *>(item->InsertBeforeChild(sibling, field));
    }
    return static_cast<TiXmlElement *>(item->InsertEndChild(field));
}

// Stores a field the user gave a value. A post without the element gets
// one, unless the value is empty.
bool setField(TiXmlElement *item, const char *name, const QString &text)
{
    if (item && !item->FirstChildElement(name) && !XmlSafeText(text).isEmpty())
        insertField(item, name);
    return CRssFeed::SetChildText(item, name, text, true);
}

// The nodes of the tree in document order, without recursion.
TiXmlNode *nextInDocumentOrder(TiXmlNode *node)
{
    if (node->FirstChild())
        return node->FirstChild();
    for (; node; node = node->Parent()) {
        if (node->NextSibling())
            return node->NextSibling();
    }
    return nullptr;
}

// Puts the text of the constructs that were masked before parsing back into
// the TiXmlUnknown nodes TinyXML made of them. Every unknown node comes from
// a mask, in the same order; false when the two do not line up.
bool restoreMaskedConstructs(TiXmlDocument *document, const std::vector<std::string> &masked)
{
    size_t next = 0;
    for (TiXmlNode *node = document->FirstChild(); node; node = nextInDocumentOrder(node)) {
        if (node->Type() != TiXmlNode::TINYXML_UNKNOWN)
            continue;
        if (next == masked.size())
            return false;
        node->SetValue(masked[next++]);
    }
    return next == masked.size();
}

// A file converted to UTF-8 must say so in its declaration.
void declareUtf8(TiXmlDocument *document)
{
    TiXmlNode *first = document->FirstChild();
    TiXmlDeclaration *declaration = first ? first->ToDeclaration() : nullptr;
    if (!declaration || !*declaration->Encoding())
        return;
    const TiXmlDeclaration utf8(declaration->Version(), "UTF-8", declaration->Standalone());
    document->ReplaceChild(declaration, utf8);
}

bool readWholeFile(const QString &path, std::string *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("Cannot open the file: %1").arg(file.errorString()));
        return false;
    }
    bytes->resize(size_t(file.size()));
    const qint64 read = file.read(bytes->data(), qint64(bytes->size()));
    if (read != qint64(bytes->size()) || !file.atEnd()) {
        setError(error, QStringLiteral("Cannot read the file: %1").arg(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

// --- PostRef ---

QString PostRef::GetAuthor() const
{
    return m_feed->GetPostAuthor(m_index);
}

QString PostRef::GetDescription() const
{
    return m_feed->GetPostDescription(m_index);
}

QString PostRef::GetLink() const
{
    return m_feed->GetPostLink(m_index);
}

QString PostRef::GetTitle() const
{
    return m_feed->GetPostTitle(m_index);
}

QString PostRef::GetPubDate() const
{
    return m_feed->GetPostPubDate(m_index);
}

bool PostRef::SetAuthor(const QString &text)
{
    return m_feed->SetPostAuthor(m_index, text);
}

bool PostRef::SetDescription(const QString &text)
{
    return m_feed->SetPostDescription(m_index, ApplyDescriptionFilter(text));
}

bool PostRef::SetLink(const QString &text)
{
    return m_feed->SetPostLink(m_index, text);
}

bool PostRef::SetTitle(const QString &text)
{
    return m_feed->SetPostTitle(m_index, text);
}

// --- Description filter ---

void SetDescriptionFilter(DescriptionFilterFn filter, quintptr context)
{
    g_descriptionFilter = filter;
    g_descriptionFilterContext = context;
}

QString ApplyDescriptionFilter(const QString &description)
{
    if (!g_descriptionFilter)
        return description;
    return g_descriptionFilter(description, g_descriptionFilterContext);
}

// --- CRssFeed: files ---

CRssFeed::CRssFeed() = default;

bool CRssFeed::LoadFromFile(const QString &path, QString *error)
{
    ClearFeed();
    std::string text;
    if (!readWholeFile(path, &text, error))
        return false;

    FeedFileText::Prepared prepared;
    if (!FeedFileText::prepare(text, &prepared, error))
        return false;

    const char *end = Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    const bool readWhole = !end || !*end;
    std::string().swap(text);
    if (Error()) {
        QString reason = QString::fromUtf8(ErrorDesc());
        if (ErrorRow() > 0)
            reason += QStringLiteral(" (line %1, column %2)").arg(ErrorRow()).arg(ErrorCol());
        setError(error, reason);
        ClearFeed();
        return false;
    }
    if (!readWhole || !restoreMaskedConstructs(this, prepared.maskedConstructs)) {
        setError(error, QStringLiteral("The file could not be read whole."));
        ClearFeed();
        return false;
    }
    if (!FeedFileKind::checkRootElement(RootElement(), error)) {
        ClearFeed();
        return false;
    }
    if (prepared.convertedToUtf8)
        declareUtf8(this);
    // A UTF-16 file is saved as UTF-8 with a UTF-8 byte-order mark: it came
    // with a mark that named its encoding, and the mark keeps naming it.
    m_hasByteOrderMark = prepared.hadByteOrderMark;
    return true;
}

namespace {

// Writes every byte or fails with the system's reason. A write that runs
// out of room part way returns a short count without an error, even through
// a buffered QFile's flush, so the file would be committed cut short; the
// write of the rest then fails and says why ("No space left on device").
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

bool CRssFeed::SaveToFile(const QString &path, QString *error)
{
    QByteArray bytes = PrintToString();
    if (m_hasByteOrderMark)
        bytes.prepend(kUtf8ByteOrderMark, 3);
    QSaveFile file(path);
    // A writable feed in a folder the user may not write to (a shared or
    // system folder) cannot get a temporary file beside it; it is then
    // written in place, after the caller has made its backup.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, QStringLiteral("Cannot write the file: %1").arg(file.errorString()));
        return false;
    }
    if (!writeAll(file, bytes) || !file.commit()) {
        setError(error, QStringLiteral("Cannot write the file: %1").arg(file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

QByteArray CRssFeed::PrintToString() const
{
    QByteArray result;
    FeedPrinter printer([&result](const std::string &piece) {
        result.append(piece.data(), qsizetype(piece.size()));
        return true;
    });
    printer.print(*this);
    return result;
}

bool CRssFeed::CreateNewFeed(const QString &title, const QString &link, const QString &category)
{
    ClearFeed();
    if (!LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "")))
        return false;
    auto *rss = new TiXmlElement("rss");
    rss->SetAttribute("version", "2.0");
    rss->SetAttribute("xmlns:atom", kAtomNamespace);
    if (!LinkEndChild(rss))
        return false;
    auto *channel = new TiXmlElement("channel");
    if (!rss->LinkEndChild(channel))
        return false;

    const struct
    {
        const char *name;
        QString value;
    } header[] = {
        {"title", title},
        {"link", link},
        {"description", QString()},
        {"language", QString()},
        {"managingEditor", QString()},
        {"webMaster", QString()},
        {"category", category},
        {"copyright", QString()},
        {"docs", QString()},
        {"pubDate", PubDate::FormatPubDateNow()},
        {"generator", GeneratorText()},
    };
    for (const auto &element : header) {
        if (!AppendTextElement(channel, element.name, element.value))
            return false;
    }
    InvalidatePostIndex();
    return AddNewPost();
}

void CRssFeed::ClearFeed()
{
    Clear();
    ClearError();
    m_posts.clear();
    m_postIndexValid = false;
    m_hasByteOrderMark = false;
}

// --- CRssFeed: posts ---

TiXmlElement *CRssFeed::FindChannel() const
{
    auto *self = const_cast<CRssFeed *>(this);
    TiXmlElement *rss = self->FirstChildElement("rss");
    return rss ? rss->FirstChildElement("channel") : nullptr;
}

void CRssFeed::rebuildPostIndex() const
{
    m_posts.clear();
    if (TiXmlElement *channel = FindChannel()) {
        for (TiXmlElement *item = channel->FirstChildElement("item"); item;
             item = item->NextSiblingElement("item"))
            m_posts.push_back(item);
    }
    m_postIndexValid = true;
}

const std::vector<TiXmlElement *> &CRssFeed::posts() const
{
    if (!m_postIndexValid)
        rebuildPostIndex();
    return m_posts;
}

int CRssFeed::GetPostCount() const
{
    return int(posts().size());
}

TiXmlElement *CRssFeed::FindPost(int index) const
{
    const std::vector<TiXmlElement *> &items = posts();
    if (items.empty())
        return nullptr;
    if (index < 0)
        return items.front();
    return size_t(index) < items.size() ? items[size_t(index)] : nullptr;
}

PostRef *CRssFeed::OpenPost(int index)
{
    if (index < 0 || index >= GetPostCount())
        return nullptr;
    return new PostRef(this, index);
}

QString CRssFeed::GetPostTitle(int index) const
{
    return fieldText(FindPost(index), "title");
}

QString CRssFeed::GetPostLink(int index) const
{
    return fieldText(FindPost(index), "link");
}

QString CRssFeed::GetPostAuthor(int index) const
{
    return fieldText(FindPost(index), "author");
}

QString CRssFeed::GetPostPubDate(int index) const
{
    return fieldText(FindPost(index), "pubDate");
}

QString CRssFeed::GetPostDescription(int index) const
{
    const TiXmlElement *item = FindPost(index);
    return wholeContent(item ? item->FirstChildElement("description") : nullptr);
}

QString CRssFeed::GetPostPlainDescription(int index) const
{
    return DecodeBasicEntities(StripTags(GetPostDescription(index)));
}

bool CRssFeed::SetPostTitle(int index, const QString &text)
{
    return setField(FindPost(index), "title", text);
}

bool CRssFeed::SetPostAuthor(int index, const QString &text)
{
    return setField(FindPost(index), "author", text);
}

bool CRssFeed::SetPostLink(int index, const QString &text)
{
    TiXmlElement *item = FindPost(index);
    if (!setField(item, "link", text))
        return false;
    // The guid follows the link: link, "?", and the local time as the
    // locale's short date-time text with blanks and dots made underscores.
    QString stamp = TrimCharacters(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat),
                                   u" \t");
    stamp.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('.'), QLatin1Char('_'));
    SetChildText(item, "guid", text + QLatin1Char('?') + stamp, false);
    return true;
}

bool CRssFeed::SetPostDescription(int index, const QString &text)
{
    TiXmlElement *item = FindPost(index);
    if (!item || !replaceContent(item->FirstChildElement("description"), text))
        return false;
    StampPubDate(item);
    return true;
}

bool CRssFeed::AddNewPost()
{
    TiXmlElement *channel = FindChannel();
    if (!channel)
        return false;
    TiXmlElement item("item");
    FillNewItem(&item);
    return insertAtTop(channel, item);
}

bool CRssFeed::CopyPostToTop(int index)
{
    TiXmlElement *channel = FindChannel();
    TiXmlElement *post = FindPost(index);
    if (!channel || !post)
        return false;
    return insertAtTop(channel, *post);
}

// Makes a deep copy of `item` post 0: before the first item, or the
// channel's last child when it has none.
bool CRssFeed::insertAtTop(TiXmlElement *channel, const TiXmlElement &item)
{
    posts(); // renews the index when it is stale
    std::vector<TiXmlElement *> &items = m_posts;
    TiXmlNode *inserted = items.empty() ? channel->LinkEndChild(item.Clone())
                                        : channel->InsertBeforeChild(items.front(), item);
    if (!inserted || !inserted->ToElement()) {
        InvalidatePostIndex();
        return false;
    }
    items.insert(items.begin(), inserted->ToElement());
    return true;
}

bool CRssFeed::RemovePost(int index)
{
    TiXmlElement *post = FindPost(index);
    if (!post || !post->Parent()->RemoveChild(post)) {
        InvalidatePostIndex();
        return false;
    }
    m_posts.erase(m_posts.begin() + (index < 0 ? 0 : index));
    return true;
}

int CRssFeed::CollectLinks(std::set<QString> &links) const
{
    const int count = GetPostCount();
    for (int i = 0; i < count; ++i) {
        const QString link = GetPostLink(i);
        if (!link.isEmpty())
            links.insert(link);
    }
    return int(links.size());
}

// --- CRssFeed: helpers ---

bool CRssFeed::SetElementText(TiXmlElement *element, const QString &text)
{
    if (!element)
        return false;
    const QByteArray utf8 = ToUtf8(XmlSafeText(text));
    TiXmlNode *child = element->FirstChild();
    if (!child) {
        // An empty element takes a value; an empty value leaves it as it is.
        if (utf8.isEmpty())
            return false;
        child = element->LinkEndChild(new TiXmlText(""));
    }
    TiXmlText *textNode = child->ToText();
    if (!textNode)
        return false;
    // A CDATA section cannot hold "]]>"; such a text is kept as character
    // data instead, so the file stays readable.
    if (textNode->CDATA() && utf8.contains("]]>"))
        textNode->SetCDATA(false);
    textNode->SetValue(std::string(utf8.constData(), size_t(utf8.size())));
    return true;
}

bool CRssFeed::SetChildText(TiXmlElement *item, const char *name, const QString &text, bool stampDate)
{
    if (!item || !SetElementText(item->FirstChildElement(name), text))
        return false;
    if (stampDate)
        StampPubDate(item);
    return true;
}

void CRssFeed::StampPubDate(TiXmlElement *item)
{
    if (item)
        SetElementText(item->FirstChildElement("pubDate"), PubDate::FormatPubDateNow());
}

TiXmlElement *CRssFeed::AppendTextElement(TiXmlNode *parent, const char *name, const QString &text)
{
    if (!parent)
        return nullptr;
    auto *element = new TiXmlElement(name);
    const QByteArray utf8 = ToUtf8(XmlSafeText(text));
    element->LinkEndChild(new TiXmlText(std::string(utf8.constData(), size_t(utf8.size()))));
    return static_cast<TiXmlElement *>(parent->LinkEndChild(element));
}

void CRssFeed::FillNewItem(TiXmlElement *item)
{
    const QString values[] = {QStringLiteral("New Item"), QString(), PubDate::FormatPubDateNow(),
                              QString(), QString(), NewGuidText()};
    static_assert(std::size(values) == std::size(kPostFields));
    for (size_t i = 0; i < std::size(kPostFields); ++i)
        AppendTextElement(item, kPostFields[i], values[i]);
}

QString CRssFeed::NewGuidText()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

QString CRssFeed::StripTags(const QString &text)
{
    // Each pass removes the first "<" and the first ">" after it with all
    // between; text before that "<" holds no "<", so one scan does it.
    QString result;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0)
            break;
        result += QStringView(text).mid(pos, open - pos);
        pos = close + 1;
    }
    result += QStringView(text).mid(pos);
    return result;
}

QString CRssFeed::DecodeBasicEntities(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    result.replace(QStringLiteral("&laquo;"), QStringLiteral("\""));
    result.replace(QStringLiteral("&raquo;"), QStringLiteral("\""));
    result.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    result.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return result;
}

QByteArray CRssFeed::ToUtf8(const QString &text)
{
    return text.toUtf8();
}

QString CRssFeed::FromUtf8(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QString CRssFeed::GeneratorText()
{
    QString text = QStringLiteral("Tidrel");
    const QString version = ProductVersionText();
    if (!version.isEmpty())
        text += QLatin1Char(' ') + version;
    return text + QStringLiteral(", ") + QString::fromUtf8(ProductInfo::kHomeUrl);
}

QString CRssFeed::ProductVersionText()
{
    return QString::fromUtf8(ProductInfo::kVersion)
            .replace(QLatin1Char(','), QLatin1Char('.'))
            .remove(QLatin1Char(' '));
}
