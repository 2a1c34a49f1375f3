#pragma once

#include <QMdiArea>

class CStartPage;

// The main window's client area: the feed windows over the start page,
// which fills the area and shows wherever no feed window covers it.
class CMdiClient : public QMdiArea
{
    Q_OBJECT
public:
    explicit CMdiClient(QWidget *parent = nullptr);

    CStartPage *startPage() const { return m_startPage; }

    // A feed window narrower than this leaves its editor no room beside the
    // posts list.
    static constexpr int kMinimumTileWidth = 500;
    // The feed windows side by side in a grid, as tileSubWindows() lays
    // them out, but with fewer columns (and more rows) where the area is
    // too narrow for that many windows of kMinimumTileWidth.
    void tile();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    CStartPage *m_startPage;
};
