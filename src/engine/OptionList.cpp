#include "engine/OptionList.h"

COptionList::COptionList(const QStringList &texts)
    : m_texts(texts)
    , m_known(texts.cbegin(), texts.cend())
{
}

bool COptionList::append(const QString &text)
{
    if (m_known.contains(text))
        return false;
    m_known.insert(text);
    m_texts.append(text);
    return true;
}
