#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// A drop-down's option texts in order, with a test for a text that stays
// quick when the list holds thousands of links.
class COptionList
{
public:
    COptionList() = default;
    explicit COptionList(const QStringList &texts);

    const QStringList &texts() const { return m_texts; }
    bool contains(const QString &text) const { return m_known.contains(text); }
    // Appends the text unless an option has it already; true when appended.
    bool append(const QString &text);

private:
    QStringList m_texts;
    QSet<QString> m_known;
};
