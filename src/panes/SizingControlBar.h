#pragma once

#include <QDockWidget>

// A docking bar whose thickness the user drags like a splitter. It never
// shrinks below a small minimum (a little larger while it floats), its
// caption strip shows the title, and its close button hides it.
class CSizingControlBar : public QDockWidget
{
    Q_OBJECT
public:
    explicit CSizingControlBar(const QString &title, QWidget *parent = nullptr);

    static constexpr QSize kMinimumDocked{33, 32};
    static constexpr QSize kMinimumFloating{37, 32};

signals:
    // The user clicked the close button; the bar is already hidden.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applyMinimumSize(bool floating);
};
