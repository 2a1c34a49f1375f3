#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// A podcast's chapters file (JSON, served as application/json+chapters):
// a "version" and a list of "chapters", each with a "startTime" in seconds
// and optionally a "title", an image ("img"), a web page ("url") and more.
//
// The file is kept as read, members in their order and numbers as written,
// so that a save changes only what was edited: members the program does
// not show (toc, endTime, location, keys of later versions) go back as they
// were. It is written in one stable layout, two spaces a level and one
// member a line, which version control shows line by line.
class CChaptersFile
{
public:
    // The members a chapter's row shows, by their JSON names.
    static constexpr const char *kTitle = "title";
    static constexpr const char *kImage = "img";
    static constexpr const char *kUrl = "url";

    // An empty file of the format's present version.
    CChaptersFile();

    // Refuses what is not JSON, or not a chapters object (an object whose
    // "chapters" is a list of objects); *error says why, and where with
    // line and column. The file stays as it was then.
    bool read(const QByteArray &bytes, QString *error);
    bool load(const QString &path, QString *error);
    QByteArray write() const;
    // Through a temporary file that replaces the target.
    bool save(const QString &path, QString *error) const;

    int chapterCount() const { return int(chapters().size()); }
    // Seconds; 0 for a chapter without a readable start.
    double startTime(int chapter) const;
    void setStartTime(int chapter, double seconds);
    // A text member of a chapter; setting an empty text removes it.
    QString text(int chapter, const char *name) const;
    void setText(int chapter, const char *name, const QString &value);
    // A new chapter at `chapter` with this start, and nothing else.
    void insertChapter(int chapter, double seconds);
    void removeChapter(int chapter);
    // Puts the chapters in the order of their start, as players expect;
    // chapters that start together keep their order.
    void sortByStart();

    // A time as the user types it: seconds ("94", "94.5"), m:ss or h:mm:ss
    // (with a fraction of a second); nothing when it is none of these.
    static std::optional<double> parseTime(const QString &text);
    // Seconds as h:mm:ss, or m:ss under an hour; a fraction stays.
    static QString formatTime(double seconds);

private:
    // A JSON value with its members in file order and numbers as written.
    struct Value
    {
        enum Kind { Null, False, True, Number, String, Array, Object };
        Kind kind = Null;
        QString text; // a number's literal, a string's value
        std::vector<Value> items;
        std::vector<std::pair<QString, Value>> members;

        const Value *member(const QString &name) const;
        Value *member(const QString &name);
        void setMember(const QString &name, Value value);
        void removeMember(const QString &name);
    };
    class Parser;

    static void writeValue(const Value &value, int depth, QByteArray *out);
    static void writeString(const QString &text, QByteArray *out);
    static Value number(double value);
    const std::vector<Value> &chapters() const;
    Value &chapter(int index);

    Value m_root;
};
