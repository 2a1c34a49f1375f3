#include "document/FieldPath.h"

#include <algorithm>

CFieldPath::CFieldPath(const QString &element, const QString &child, const QString &attribute)
    : m_element(element)
    , m_child(child)
    , m_attribute(attribute)
{
}

CFieldPath &CFieldPath::where(const QString &name, const QString &value)
{
    m_selectorName = name;
    m_selectorValue = value;
    return *this;
}

QString CFieldPath::key() const
{
    QString key = m_element;
    if (!m_child.isEmpty())
        key += QLatin1Char('/') + m_child;
    if (!m_attribute.isEmpty())
        key += QLatin1Char('@') + m_attribute;
    return key;
}

QString CFieldPath::valueIn(const FeedElement &element) const
{
    const FeedElement *holder = &element;
    if (!m_child.isEmpty()) {
        holder = element.child(m_child);
        if (!holder)
            return QString();
    }
    return m_attribute.isEmpty() ? holder->text : holder->attribute(m_attribute);
}

void CFieldPath::setValueIn(FeedElement &element, const QString &value) const
{
    if (m_child.isEmpty()) {
        if (m_attribute.isEmpty())
            element.text = value;
        else
            element.setAttribute(m_attribute, value);
        return;
    }
    if (m_attribute.isEmpty()) {
        element.setChildText(m_child, value);
        return;
    }
    // An attribute of a child (itunes:category inside itunes:category): the
    // child goes with its last attribute unless it holds more.
    auto child = std::find_if(element.children.begin(), element.children.end(),
                              [this](const FeedElement &c) { return c.name == m_child; });
    if (child == element.children.end()) {
        if (value.isEmpty())
            return;
        FeedElement made;
        made.name = m_child;
        element.children.push_back(made);
        child = element.children.end() - 1;
    }
    child->setAttribute(m_attribute, value);
    if (child->attributes.isEmpty() && child->text.isEmpty() && child->children.empty())
        element.children.erase(child);
}

bool CFieldPath::selects(const FeedElement &element) const
{
    return m_selectorName.isEmpty() || element.attribute(m_selectorName) == m_selectorValue;
}

bool CFieldPath::isBare(const FeedElement &element) const
{
    return element.text.trimmed().isEmpty() && element.children.empty() && element.attributes.isEmpty();
}

QString CFieldPath::valueOf(const std::vector<FeedElement> &elements) const
{
    for (const FeedElement &element : elements) {
        if (selects(element))
            return valueIn(element);
    }
    return QString();
}

std::vector<FeedElement> CFieldPath::withValue(std::vector<FeedElement> elements, const QString &value) const
{
    auto found = std::find_if(elements.begin(), elements.end(), [this](const FeedElement &e) { return selects(e); });
    if (found == elements.end()) {
        if (value.isEmpty())
            return elements;
        FeedElement made;
        made.name = m_element;
        if (!m_selectorName.isEmpty())
            made.setAttribute(m_selectorName, m_selectorValue);
        elements.push_back(made);
        found = elements.end() - 1;
    }
    setValueIn(*found, value);
    // An element picked by its selector is there for this one value.
    const bool selectedForValue = !m_selectorName.isEmpty() && value.isEmpty();
    if (selectedForValue || isBare(*found))
        elements.erase(found);
    return elements;
}
