#include "panes/RSSCommonBar.h"

#include "document/RSSEditDoc.h"

CRSSCommonBar::CRSSCommonBar(const QString &title, CRSSEditDoc *doc, QWidget *parent)
    : CSizingControlBar(title, parent)
    , m_doc(doc)
{
}

CRSSEditDoc *CRSSCommonBar::document() const
{
    return m_doc;
}

bool CRSSCommonBar::OnCommand(int)
{
    return false;
}

bool CRSSCommonBar::OnUpdateCommand(int, CommandState *)
{
    return false;
}
