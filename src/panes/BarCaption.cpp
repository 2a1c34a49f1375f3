#include "panes/BarCaption.h"

#include "panes/SizingControlBarCF.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kTextMargin = 4;
constexpr int kButtonSize = 14;
constexpr qreal kCaptionPointSize = 8.5;

// A small sans face in the spirit of window captions, at caption size.
QFont captionFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    for (const QString &family : {QStringLiteral("Tahoma"), QStringLiteral("Arial")}) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSizeF(kCaptionPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

CBarCaption::CBarCaption(CSizingControlBarCF *bar)
    : QWidget(bar)
    , m_bar(bar)
    , m_closeButton(new QToolButton(this))
    , m_font(captionFont())
{
    m_closeButton->setAutoRaise(true);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_DockWidgetCloseButton, nullptr, this));
    m_closeButton->setIconSize(QSize(kButtonSize - 4, kButtonSize - 4));
    m_closeButton->setFixedSize(kButtonSize, kButtonSize);
    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setAccessibleName(tr("Close the pane"));
    connect(m_closeButton, &QToolButton::clicked, bar, &QWidget::close);
    connect(bar, &QDockWidget::windowTitleChanged, this, qOverload<>(&QWidget::update));
}

bool CBarCaption::isVertical() const
{
    return m_bar->hasVerticalCaption();
}

int CBarCaption::depth() const
{
    return qMax(QFontMetrics(m_font).height(), kButtonSize) + 4;
}

QSize CBarCaption::alongStrip(int length) const
{
    return isVertical() ? QSize(depth(), length) : QSize(length, depth());
}

QSize CBarCaption::sizeHint() const
{
    const int textWidth = QFontMetrics(m_font).horizontalAdvance(m_bar->windowTitle());
    return alongStrip(textWidth + 3 * kTextMargin + kButtonSize);
}

QSize CBarCaption::minimumSizeHint() const
{
    return alongStrip(kButtonSize + 2 * kTextMargin);
}

void CBarCaption::resizeEvent(QResizeEvent *)
{
    // The close button sits at the strip's start when it runs upwards (the
    // top of the left side) and at its end when it runs across the top.
    const int offset = (depth() - kButtonSize) / 2;
    if (isVertical())
        m_closeButton->move(offset, offset);
    else
        m_closeButton->move(width() - kButtonSize - offset, offset);
}

void CBarCaption::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool active = m_bar->isActive();
    const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
    const QColor start = active ? palette().color(group, QPalette::Highlight)
                                : palette().color(group, QPalette::Mid);
    const QColor end = active ? start.lighter(160) : palette().color(group, QPalette::Window);
    const QColor text = active ? palette().color(group, QPalette::HighlightedText)
                               : palette().color(group, QPalette::WindowText);

    QLinearGradient gradient(rect().bottomLeft(), isVertical() ? rect().topLeft() : rect().bottomRight());
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, end);
    painter.fillRect(rect(), gradient);

    painter.setFont(m_font);
    painter.setPen(text);
    QRect textRect;
    if (isVertical()) {
        // Turned a quarter to the left: the text reads upwards from the bottom.
        painter.translate(0, height());
        painter.rotate(-90);
        textRect = QRect(kTextMargin, 0, height() - 2 * kTextMargin - kButtonSize - kTextMargin, width());
    } else {
        textRect = QRect(kTextMargin, 0, width() - 2 * kTextMargin - kButtonSize - kTextMargin, height());
    }
    const QString title = QFontMetrics(m_font).elidedText(m_bar->windowTitle(), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, title);
}

// The bar itself drags, docks and floats; the strip only paints.
void CBarCaption::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
}

void CBarCaption::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore();
}

void CBarCaption::mouseReleaseEvent(QMouseEvent *event)
{
    event->ignore();
}

void CBarCaption::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->ignore();
}
