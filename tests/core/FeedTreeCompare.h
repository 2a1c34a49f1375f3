#pragma once

#include <QString>

#include <tinyxml.h>

// Compares two TinyXML trees node by node: kinds, names and values,
// attributes in order, CDATA flags and declarations. Returns an empty string
// when they are the same, otherwise where they first differ.
inline QString describeNode(const TiXmlNode *node)
{
    return QStringLiteral("%1 \"%2\" (line %3)")
            .arg(node->Type())
            .arg(QString::fromUtf8(node->Value()).left(60))
            .arg(node->Row());
}

inline QString compareTrees(const TiXmlNode *a, const TiXmlNode *b)
{
    if (a->Type() != b->Type() || a->ValueStr() != b->ValueStr())
        return QStringLiteral("%1 differs from %2").arg(describeNode(a), describeNode(b));
    if (const TiXmlText *text = a->ToText()) {
        if (text->CDATA() != b->ToText()->CDATA())
            return QStringLiteral("CDATA flag differs at %1").arg(describeNode(a));
    }
    if (const TiXmlDeclaration *declaration = a->ToDeclaration()) {
        const TiXmlDeclaration *other = b->ToDeclaration();
        if (qstrcmp(declaration->Version(), other->Version()) != 0
            || qstrcmp(declaration->Encoding(), other->Encoding()) != 0
            || qstrcmp(declaration->Standalone(), other->Standalone()) != 0)
            return QStringLiteral("declarations differ");
    }
    if (const TiXmlElement *element = a->ToElement()) {
        const TiXmlAttribute *x = element->FirstAttribute();
        const TiXmlAttribute *y = b->ToElement()->FirstAttribute();
        for (; x && y; x = x->Next(), y = y->Next()) {
            if (x->NameTStr() != y->NameTStr() || x->ValueStr() != y->ValueStr())
                return QStringLiteral("attribute %1 differs at %2")
                        .arg(QString::fromUtf8(x->Name()), describeNode(a));
        }
        if (x || y)
            return QStringLiteral("attribute count differs at %1").arg(describeNode(a));
    }
    const TiXmlNode *x = a->FirstChild();
    const TiXmlNode *y = b->FirstChild();
    for (; x && y; x = x->NextSibling(), y = y->NextSibling()) {
        const QString difference = compareTrees(x, y);
        if (!difference.isEmpty())
            return difference;
    }
    if (x || y)
        return QStringLiteral("child count differs at %1").arg(describeNode(a));
    return QString();
}

inline int countElements(const TiXmlNode *node)
{
    int count = node->ToElement() ? 1 : 0;
    for (const TiXmlNode *child = node->FirstChild(); child; child = child->NextSibling())
        count += countElements(child);
    return count;
}
