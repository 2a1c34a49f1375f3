#pragma once

#include "commands/CommandIds.h"
#include "panes/SizingControlBar.h"

#include <QPointer>

class CRSSEditDoc;

// A docking bar of a feed window that may handle commands before the rest
// of the command route.
class CRSSCommonBar : public CSizingControlBar, public CCommandTarget
{
    Q_OBJECT
public:
    CRSSCommonBar(const QString &title, CRSSEditDoc *doc, QWidget *parent = nullptr);

    CRSSEditDoc *document() const;

    // The bar handles no command unless a subclass says otherwise.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

private:
    QPointer<CRSSEditDoc> m_doc;
};
