#include "engine/HtmlDialog.h"

#include "engine/HtmlEngineView.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A page that has not shown itself by then will not.
const int kPageTimeoutMs = 30000;

struct ButtonResult
{
    const char *name;
    int result;
    bool keepsValues;
};

const ButtonResult kButtons[] = {
    {"OK", CHtmlDialog::ResultOk, true},        {"CANCEL", CHtmlDialog::ResultCancel, false},
    {"ABORT", CHtmlDialog::ResultAbort, false}, {"RETRY", CHtmlDialog::ResultRetry, true},
    {"IGNORE", CHtmlDialog::ResultIgnore, false}, {"YES", CHtmlDialog::ResultYes, true},
    {"NO", CHtmlDialog::ResultNo, false},       {"CLOSE", CHtmlDialog::ResultClose, false},
    {"HELP", CHtmlDialog::ResultHelp, false},
};

// Values come from the page as JSON: "no value" as null, and the page's
// numbers (masks and indexes) as doubles or long integers.
QVariant fromPage(const QVariant &value)
{
    if (value.isNull())
        return QVariant();
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::LongLong)
        return value.toInt();
    return value;
}

} // namespace

CHtmlDialog::CHtmlDialog(QWidget *parent)
    : QDialog(parent)
    , m_engine(new CHtmlEngineView(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_engine);
    setFocusProxy(m_engine);
    connect(m_engine, &CHtmlEngineView::pageReady, this, &CHtmlDialog::onPageReady);
    connect(m_engine, &CHtmlEngineView::pageNotified, this, &CHtmlDialog::onPageNotified);
    connect(m_engine, &CHtmlEngineView::elementEvent, this,
            [this](int code, const QString &id) { OnElementEvent(code, id); });
}

void CHtmlDialog::setPlacement(Placement placement, const QPoint &position)
{
    m_placement = placement;
    m_position = position;
}

int CHtmlDialog::resultOfButton(const QString &name, bool *keepsValues)
{
    for (const ButtonResult &button : kButtons) {
        if (name.compare(QLatin1String(button.name), Qt::CaseInsensitive) == 0) {
            if (keepsValues)
                *keepsValues = button.keepsValues;
            return button.result;
        }
    }
    return 0;
}

// The window shows once it has the page's size, so it neither jumps nor
// flashes an empty frame.
int CHtmlDialog::RunHtmlDialog(const QString &pagePath)
{
    m_result = ResultCancel;
    m_sized = false;
    if (!m_engine->loadPage(pagePath))
        return m_result;
    QEventLoop loop;
    QTimer::singleShot(kPageTimeoutMs, &loop, &QEventLoop::quit);
    connect(m_engine, &QWebEngineView::loadFinished, &loop, [&loop](bool ok) {
        if (!ok)
            loop.quit();
    });
    connect(m_engine, &CHtmlEngineView::pageNotified, &loop, [this, &loop] {
        if (m_sized)
            loop.quit();
    });
    loop.exec();
    if (!m_sized)
        return m_result;
    exec();
    return m_result;
}

void CHtmlDialog::reject()
{
    done(m_result);
}

void CHtmlDialog::fitToPage()
{
    m_engine->sendPageOp(QStringLiteral("measure"));
}

// The page presses its own default and cancel buttons; a page without them
// ignores the keys.
void CHtmlDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CHtmlDialog::onPageReady()
{
    if (m_values && !m_values->isEmpty())
        m_engine->sendPageOp(QStringLiteral("applyValues"), {{QStringLiteral("values"), QVariantMap(*m_values)}});
    OnPageReady();
    fitToPage();
}

void CHtmlDialog::onPageNotified(const QVariantMap &notice)
{
    const QString kind = notice.value(QStringLiteral("kind")).toString();
    if (kind == QLatin1String("size")) {
        takeSize(QSize(notice.value(QStringLiteral("width")).toInt(), notice.value(QStringLiteral("height")).toInt()),
                 notice.value(QStringLiteral("title")).toString());
    } else if (kind == QLatin1String("button")) {
        onButton(notice.value(QStringLiteral("name")).toString(), notice.value(QStringLiteral("values")).toMap());
    } else if (kind == QLatin1String("link")) {
        QDesktopServices::openUrl(QUrl(notice.value(QStringLiteral("href")).toString()));
    } else if (kind == QLatin1String("drag")) {
        OnBackgroundPressed();
    } else if (kind == QLatin1String("loaded")) {
        OnDataLoaded();
    }
}

void CHtmlDialog::onButton(const QString &name, const QVariantMap &values)
{
    if (!isVisible())
        return;
    OnButtonClick(name);
    bool keepsValues = false;
    const int result = resultOfButton(name, &keepsValues);
    if (result == 0)
        return;
    m_result = result;
    if (keepsValues && m_values) {
        m_values->clear();
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            m_values->insert(value.key(), fromPage(value.value()));
    }
    done(m_result);
}

// The first size places the window; later ones keep its place.
void CHtmlDialog::takeSize(const QSize &pageSize, const QString &title)
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : pageSize;
    resize(pageSize.boundedTo(room).expandedTo(QSize(1, 1)));
    if (m_sized)
        return;
    setWindowTitle(title);
    place();
    m_sized = true;
}

void CHtmlDialog::place()
{
    QRect area;
    if (m_placement == CenterParent && parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (m_placement != AtPosition && screen())
        area = screen()->availableGeometry();
    if (area.isNull()) {
        move(m_position);
        return;
    }
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}
