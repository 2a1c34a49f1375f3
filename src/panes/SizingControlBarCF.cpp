#include "panes/SizingControlBarCF.h"

#include "panes/BarCaption.h"

#include <QApplication>
#include <QMainWindow>

CSizingControlBarCF::CSizingControlBarCF(const QString &title, QWidget *parent)
    : CSizingControlBar(title, parent)
{
    setTitleBarWidget(new CBarCaption(this));
    connect(this, &QDockWidget::dockLocationChanged, this, &CSizingControlBarCF::updateCaptionOrientation);
    connect(this, &QDockWidget::topLevelChanged, this, &CSizingControlBarCF::updateCaptionOrientation);
    connect(qApp, &QApplication::focusChanged, this, &CSizingControlBarCF::updateActive);
}

CSizingControlBarCF::~CSizingControlBarCF()
{
    // The children die after this part of the bar, and the focus leaving
    // them must not reach it.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

bool CSizingControlBarCF::hasVerticalCaption() const
{
    return features().testFlag(DockWidgetVerticalTitleBar);
}

void CSizingControlBarCF::updateCaptionOrientation()
{
    bool vertical = false;
    if (!isFloating()) {
        if (auto *host = qobject_cast<QMainWindow *>(parentWidget())) {
            const Qt::DockWidgetArea area = host->dockWidgetArea(this);
            vertical = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
        }
    }
    if (vertical != hasVerticalCaption())
        setFeatures(features() ^ DockWidgetVerticalTitleBar);
}

void CSizingControlBarCF::updateActive()
{
    const QWidget *focus = QApplication::focusWidget();
    const bool active = focus && isAncestorOf(focus);
    if (active == m_active)
        return;
    m_active = active;
    if (QWidget *caption = titleBarWidget())
        caption->update();
    emit activeChanged(active);
}
