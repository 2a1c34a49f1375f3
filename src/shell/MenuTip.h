#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QAction;
class QFrame;
class QLabel;
class QMenu;

// Half a second after the pointer rests on a menu item, a tip beside the
// item shows the information icon with its text and shortcut over the
// command's description. Every
// menu of the program gets it, context menus too: menus are picked up as
// they first show. Moving on before the half second is up shows nothing,
// so a quick pass over several items shows only the last one's tip.
class CMenuTip : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDelayMs = 500;
    // Longer titles are cut there and end in "…".
    static constexpr int kMaxTitleLength = 97;

    explicit CMenuTip(QObject *parent = nullptr);
    ~CMenuTip() override;

    QWidget *tipWindow() const;
    // "Open…  [Ctrl+O]": the item's text without mnemonics and its keys.
    static QString tipTitle(const QAction *action);
    // The command's description; Open Backup Folder's also names the folder.
    static QString tipText(const QAction *action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onHovered(QAction *action);
    void showPending();
    void place(const QMenu *menu, QAction *action);
    void hide();

    QFrame *m_tip;
    QLabel *m_title;
    QLabel *m_text;
    QTimer m_delay;
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};
