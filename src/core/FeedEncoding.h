#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct UConverter;

// The character encoding of one feed file, for the text the program reads
// out of it and the text it writes into it. A feed keeps the encoding it
// came in: a Windows-1251 feed stays Windows-1251, so a server that sends it
// with "charset=windows-1251" keeps serving a correct feed.
class FeedEncoding
{
public:
    // `name` as an XML declaration or ICU gives it; UTF-8 when empty.
    explicit FeedEncoding(const QByteArray &name = QByteArray());
    ~FeedEncoding();
    FeedEncoding(const FeedEncoding &) = delete;
    FeedEncoding &operator=(const FeedEncoding &) = delete;

    // False when ICU knows no such encoding.
    bool isValid() const { return m_utf8 || m_converter; }
    QByteArray name() const { return m_name; }
    bool isUtf8() const { return m_utf8; }

    QString decode(const char *bytes, qsizetype size) const;
    // A character the encoding cannot hold becomes a numeric character
    // reference (&#1234;): callers escape only where a reference is read as
    // one (never inside CDATA sections, where they ask canEncode first).
    QByteArray encode(const QString &text) const;
    bool canEncode(char32_t c) const;

    // UTF-8 as text, a U+FEFF at the start included: inside a file, and in
    // the pieces expat hands over, it is a zero-width no-break space, which
    // QString::fromUtf8 would drop as a byte-order mark.
    static QString fromUtf8(QByteArrayView bytes);

private:
    QByteArray m_name;
    bool m_utf8 = true;
    UConverter *m_converter = nullptr;
};
