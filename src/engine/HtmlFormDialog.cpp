#include "engine/HtmlFormDialog.h"

#include "engine/HtmlEngineView.h"

#include <QWindow>

CHtmlFormDialog::CHtmlFormDialog(QWidget *parent, const QString &focusId)
    : CHtmlDialog(parent)
    , m_focusId(focusId)
{
}

void CHtmlFormDialog::OnPageReady()
{
    if (!m_focusId.isEmpty())
        engine()->setElementState(m_focusId, CHtmlEngineView::StateFocus, 0);
}

void CHtmlFormDialog::OnBackgroundPressed()
{
    if (windowHandle())
        windowHandle()->startSystemMove();
}
