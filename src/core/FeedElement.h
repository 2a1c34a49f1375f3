#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <algorithm>
#include <vector>

// One element of the feed as values, for the properties pages: a channel
// or item child with its attributes, its text and its child elements.
struct FeedElement
{
    QString name;                              // canonical qualified name: "category", "image", "itunes:owner", "podcast:transcript"
    QList<QPair<QString, QString>> attributes; // in file order
    QString text;                              // decoded character content (empty when it has child elements)
    std::vector<FeedElement> children;         // e.g. image/url, itunes:owner/itunes:name, nested itunes:category

    QString attribute(const QString &attributeName) const
    {
        for (const auto &[key, value] : attributes) {
            if (key == attributeName)
                return value;
        }
        return QString();
    }

    // An empty value removes the attribute; a new one goes last.
    void setAttribute(const QString &attributeName, const QString &value)
    {
        for (qsizetype i = 0; i < attributes.size(); ++i) {
            if (attributes[i].first != attributeName)
                continue;
            if (value.isEmpty())
                attributes.removeAt(i);
            else
                attributes[i].second = value;
            return;
        }
        if (!value.isEmpty())
            attributes.append({attributeName, value});
    }

    const FeedElement *child(const QString &childName) const
    {
        for (const FeedElement &element : children) {
            if (element.name == childName)
                return &element;
        }
        return nullptr;
    }

    QString childText(const QString &childName) const
    {
        const FeedElement *element = child(childName);
        return element ? element->text : QString();
    }

    // An empty text removes the child; a new one goes last.
    void setChildText(const QString &childName, const QString &childText)
    {
        for (auto it = children.begin(); it != children.end(); ++it) {
            if (it->name != childName)
                continue;
            if (childText.isEmpty())
                children.erase(it);
            else
                it->text = childText;
            return;
        }
        if (!childText.isEmpty())
            children.push_back(FeedElement{childName, {}, childText, {}});
    }

    std::vector<FeedElement> childrenNamed(const QString &childName) const
    {
        std::vector<FeedElement> found;
        for (const FeedElement &element : children) {
            if (element.name == childName)
                found.push_back(element);
        }
        return found;
    }

    // Replaces the children of one name, in the place of the first of
    // them (last when there was none); the others stay where they are.
    void setChildrenNamed(const QString &childName, const std::vector<FeedElement> &replacements)
    {
        std::vector<FeedElement> kept;
        size_t position = children.size();
        for (const FeedElement &element : children) {
            if (element.name != childName)
                kept.push_back(element);
            else if (position == children.size())
                position = kept.size();
        }
        position = std::min(position, kept.size());
        kept.insert(kept.begin() + ptrdiff_t(position), replacements.begin(), replacements.end());
        children = std::move(kept);
    }

    bool operator==(const FeedElement &other) const
    {
        return name == other.name && attributes == other.attributes && text == other.text && children == other.children;
    }
    bool operator!=(const FeedElement &other) const { return !(*this == other); }
};
