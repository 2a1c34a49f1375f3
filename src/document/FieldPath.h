#pragma once

#include "core/FeedElement.h"

#include <QString>

#include <vector>

// Where one value of a properties page lives among the elements of one name:
// the text, an attribute, or a child's text or attribute, of the first
// element of that name (of the first whose `selector` attribute has the
// selector's value, when one is given: atom:link rel="self").
class CFieldPath
{
public:
    CFieldPath() = default;
    explicit CFieldPath(const QString &element, const QString &child = QString(),
                        const QString &attribute = QString());
    // Only elements whose attribute `name` is `value` count; a new one gets it.
    CFieldPath &where(const QString &name, const QString &value);

    const QString &element() const { return m_element; }
    // "image/url", "cloud@port", "itunes:owner/itunes:email": unique per
    // field of a page, for the field's object name.
    QString key() const;

    // The value within one element, ignoring the element's name.
    QString valueIn(const FeedElement &element) const;
    // Sets it there; an empty value removes the attribute or the child.
    void setValueIn(FeedElement &element, const QString &value) const;

    // The value among all the elements of the name; empty when missing.
    QString valueOf(const std::vector<FeedElement> &elements) const;
    // The elements with the value set: the element is made when missing and
    // removed when nothing is left in it (or, picked by a selector, when its
    // value is cleared).
    std::vector<FeedElement> withValue(std::vector<FeedElement> elements, const QString &value) const;

private:
    bool selects(const FeedElement &element) const;
    bool isBare(const FeedElement &element) const;

    QString m_element;
    QString m_child;
    QString m_attribute;
    QString m_selectorName;
    QString m_selectorValue;
};
