#include "shell/MenuTip.h"

#include "core/FileHelpers.h"
#include "commands/CommandIds.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

namespace {

constexpr int kMaxWidth = 300;

QString withoutMnemonics(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Separators, submenus and items without text have no command to tell of.
bool hasTip(const QAction *action)
{
    return action && !action->isSeparator() && !action->menu() && !action->text().isEmpty();
}

} // namespace

CMenuTip::CMenuTip(QObject *parent)
    : QObject(parent)
    , m_tip(new QFrame(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget))
    , m_title(new QLabel(m_tip))
    , m_text(new QLabel(m_tip))
{
    m_tip->setObjectName(QStringLiteral("menuTip"));
    m_tip->setForegroundRole(QPalette::ToolTipText);
    m_tip->setBackgroundRole(QPalette::ToolTipBase);
    m_tip->setPalette(QToolTip::palette());
    m_tip->setAutoFillBackground(true);
    m_tip->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_tip->setMaximumWidth(kMaxWidth);

    auto *icon = new QLabel(m_tip);
    icon->setObjectName(QStringLiteral("menuTipIcon"));
    const int iconSize = m_tip->style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(QIcon::fromTheme(QStringLiteral("dialog-information"),
                                     m_tip->style()->standardIcon(QStyle::SP_MessageBoxInformation))
                        .pixmap(iconSize));
    m_title->setObjectName(QStringLiteral("menuTipTitle"));
    m_text->setObjectName(QStringLiteral("menuTipText"));
    for (QLabel *label : {m_title, m_text}) {
        label->setForegroundRole(QPalette::ToolTipText);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    auto *layout = new QGridLayout(m_tip);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(m_title, 0, 1);
    layout->addWidget(m_text, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &CMenuTip::showPending);
    qApp->installEventFilter(this);
}

CMenuTip::~CMenuTip()
{
    delete m_tip;
}

QWidget *CMenuTip::tipWindow() const
{
    return m_tip;
}

QString CMenuTip::tipTitle(const QAction *action)
{
    QString title = withoutMnemonics(action->text());
    if (!action->shortcut().isEmpty())
        title += QStringLiteral("  [%1]").arg(action->shortcut().toString(QKeySequence::NativeText));
    if (title.size() > kMaxTitleLength)
        title = title.left(kMaxTitleLength) + QStringLiteral("\u2026");
    return title;
}

// Where the backups go is worth knowing before the folder opens.
QString CMenuTip::tipText(const QAction *action)
{
    QString text = action->statusTip();
    if (action->data().toInt() == ID_OPEN_BACKUP_FOLDER) {
        const QString folder = GetBackupFolder(QString());
        if (!folder.isEmpty())
            text += QStringLiteral("\n\n[%1]").arg(QDir::toNativeSeparators(folder));
    }
    return text;
}

// A menu is watched from the first time it shows, wherever it was made.
// The pointer moving off the item (onto a disabled one, which the menu does
// not report) ends its tip.
bool CMenuTip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *menu = qobject_cast<QMenu *>(watched)) {
            connect(menu, &QMenu::hovered, this, &CMenuTip::onHovered, Qt::UniqueConnection);
            connect(menu, &QMenu::aboutToHide, this, &CMenuTip::hide, Qt::UniqueConnection);
        }
    } else if (event->type() == QEvent::MouseMove && watched == m_menu) {
        const auto *move = static_cast<QMouseEvent *>(event);
        if (m_menu->actionAt(move->position().toPoint()) != m_action)
            hide();
    }
    return QObject::eventFilter(watched, event);
}

void CMenuTip::onHovered(QAction *action)
{
    hide();
    if (!hasTip(action))
        return;
    m_menu = qobject_cast<QMenu *>(sender());
    m_action = action;
    m_delay.start();
}

// Shown only if the pointer still rests on the item it was started for.
void CMenuTip::showPending()
{
    if (!m_menu || !m_action || !m_menu->isVisible() || m_menu->activeAction() != m_action)
        return;
    m_title->setText(tipTitle(m_action));
    const QString text = tipText(m_action);
    m_text->setText(text);
    m_text->setVisible(!text.isEmpty());
    m_tip->adjustSize();
    place(m_menu, m_action);
    m_tip->show();
}

// Right of the item while it lies in the left two thirds of the screen,
// else left of it; raised to end at the item's bottom near the screen's.
void CMenuTip::place(const QMenu *menu, QAction *action)
{
    const QRect local = menu->actionGeometry(action);
    const QRect item(menu->mapToGlobal(local.topLeft()), local.size());
    const QRect screen = menu->screen()->geometry();
    const int border = menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu) + 1;
    const QSize size = m_tip->size();
    const int x = item.right() < screen.left() + screen.width() * 2 / 3
        ? item.right() + border
        : item.left() - size.width() - border;
    int y = item.top() + border;
    if (y + size.height() > screen.bottom())
        y = item.bottom() - border - size.height();
    m_tip->move(x, y);
}

void CMenuTip::hide()
{
    m_delay.stop();
    m_menu = nullptr;
    m_action = nullptr;
    m_tip->hide();
}
