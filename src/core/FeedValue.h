#pragma once

#include <QString>

#include <functional>

// The value of a feed element and the text written for a new value. Works
// on the element's content as it stands in the file (decoded to UTF-16,
// references and CDATA sections as written), so that a value is read only
// when asked for and a new one is written in the form the old one had.
namespace FeedValue {

// The character data up to the first child element or comment: references
// decoded, CDATA sections unwrapped, line ends read as XML reads them.
QString text(const QString &content);
// The whole content: text and CDATA as above; child elements, comments and
// other markup as they stand. A description that mixes them is edited whole.
QString wholeContent(const QString &content);

// Whether the content is character data and CDATA sections only.
bool isText(const QString &content);

// The content to write for `value` where `oldContent` stood (empty for a
// new element). The old content's bytes stay where the value did not
// change: only the stretch between the common head and tail is written
// anew, in the form the old content has there. Written anew, a value that
// was a CDATA section stays one ("]]>" split across two sections);
// otherwise "&", "<", ">" and CR are escaped, and a character the old
// content wrote as a numeric reference is written as that same reference.
// A character `canEncode` refuses becomes a reference; a line break
// written anew is `lineEnd` (the old content's own CR LF when it has one).
QString content(const QString &value, const QString &oldContent, const std::function<bool(char32_t)> &canEncode,
                const QString &lineEnd = QStringLiteral("\n"));

// As content(), for a caller that has read the old content's value
// (wholeContent(oldContent)) already.
QString content(const QString &value, const QString &oldContent, const QString &oldValue,
                const std::function<bool(char32_t)> &canEncode, const QString &lineEnd = QStringLiteral("\n"));

} // namespace FeedValue
