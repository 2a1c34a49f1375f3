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

protected:
    bool viewportEvent(QEvent *event) override;

private:
    CStartPage *m_startPage;
};
