#include "engine/HtmlEngineView.h"

#include "engine/EngineBridge.h"
#include "engine/EnginePage.h"
#include "engine/PageColors.h"
#include "engine/PageFont.h"
#include "engine/StyleSheetInterceptor.h"

#include <QAction>
#include <QChildEvent>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QUrl>
#include <QWebChannel>
#include <QWebEngineSettings>

#include <algorithm>
#include <utility>

namespace {

const QString kRichText = QStringLiteral("richtext");
const QString kEdit = QStringLiteral("edit");
const QString kDropDown = QStringLiteral("dropdown");

// A key whose text the page puts in with a keypress event: printable
// characters without Ctrl, Alt or Meta.
bool typesText(const QKeyEvent *event)
{
    const QString text = event->text();
    const auto printable = [](QChar c) { return c.isPrint(); };
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), printable)
           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// How long a command waits for the page to catch up with the keys, and how
// often it asks meanwhile.
constexpr int kSettleTimeoutMs = 3000;
constexpr int kSettleRetryMs = 5;

// Text as the page's HTML serialiser writes it inside an element.
QString escapeText(const QString &text)
{
    QString html;
    html.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': html += QStringLiteral("&amp;"); break;
        case '<': html += QStringLiteral("&lt;"); break;
        case '>': html += QStringLiteral("&gt;"); break;
        case 0xA0: html += QStringLiteral("&nbsp;"); break;
        default: html += c;
        }
    }
    return html;
}

void clearSelection(HtmlElementState &element)
{
    element.selectionStart = 0;
    element.selectionEnd = 0;
    element.selectionText.clear();
    element.selectionHtml.clear();
    element.currentObjects.clear();
    element.objectAttributes.clear();
    element.currentStyle.clear();
}

} // namespace

CHtmlEngineView::CHtmlEngineView(QWidget *parent)
    : QWebEngineView(parent)
    , m_page(new CEnginePage(this))
    , m_bridge(new CEngineBridge(this))
    , m_channel(new QWebChannel(this))
    , m_interceptor(new CStyleSheetInterceptor(this))
    , m_settleTimeout(new QTimer(this))
{
    m_settleTimeout->setSingleShot(true);
    m_settleTimeout->setInterval(kSettleTimeoutMs);
    connect(m_settleTimeout, &QTimer::timeout, this, &CHtmlEngineView::runSettledWaiters);
    QWebEngineSettings *settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);
    settings->setAttribute(QWebEngineSettings::JavascriptCanPaste, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);

    m_page->setUrlRequestInterceptor(m_interceptor);
    m_channel->registerObject(QStringLiteral("engine"), m_bridge);
    m_page->setWebChannel(m_channel);
    setPage(m_page);
    setContextMenuPolicy(Qt::NoContextMenu);

    connect(m_bridge, &CEngineBridge::pageGreeted, this, &CHtmlEngineView::onPageGreeted);
    connect(m_bridge, &CEngineBridge::pageReported, this, &CHtmlEngineView::onPageReported);
    connect(m_bridge, &CEngineBridge::pageNotified, this, &CHtmlEngineView::pageNotified);
    followPalette();
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

void CHtmlEngineView::setPageTexts(const QVariantMap &texts)
{
    m_bridge->setTexts(texts);
}

// The page takes the colours and the font of the widgets around it, a dark
// theme's too.
void CHtmlEngineView::followPalette()
{
    m_page->setBackgroundColor(palette().color(QPalette::Base));
    QVariantMap look = CPageColors::of(palette());
    look.insert(CPageFont::of(font()));
    m_bridge->setColors(look);
}

void CHtmlEngineView::changeEvent(QEvent *event)
{
    QWebEngineView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        followPalette();
}

// The page's widget, which has the keyboard focus, comes and goes with the
// page's renderer.
void CHtmlEngineView::childEvent(QChildEvent *event)
{
    QWebEngineView::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

// A shortcut override the page's widget does not see goes to the window's
// shortcuts; a key press that reaches it anyway belongs to a disabled
// command and does nothing.
bool CHtmlEngineView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        if (isWindowShortcut(static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true;
        }
        if (type == QEvent::KeyPress && m_connected) {
            ++m_keysSent;
            if (typesText(static_cast<QKeyEvent *>(event)))
                ++m_textKeysSent;
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}

bool CHtmlEngineView::isWindowShortcut(const QKeyEvent *event) const
{
    static const QKeySequence::StandardKey pageKeys[] = {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                                                         QKeySequence::SelectAll};
    for (const QKeySequence::StandardKey key : pageKeys) {
        if (event->matches(key))
            return false;
    }
    const QKeySequence pressed(event->keyCombination());
    const QList<QAction *> actions = window()->actions();
    return std::any_of(actions.cbegin(), actions.cend(),
                       [&pressed](const QAction *action) { return action->shortcuts().contains(pressed); });
}

CHtmlEngineView::~CHtmlEngineView()
{
    // The page refers to the interceptor and the channel; let it go first.
    setPage(nullptr);
    delete m_page;
}

bool CHtmlEngineView::loadPage(const QString &resourcePath)
{
    const QFileInfo resource(resourcePath);
    if (!resourcePath.startsWith(QLatin1Char(':')) || !resource.isFile() || resource.size() == 0)
        return false;

    m_mirror = CElementMirror();
    m_pendingOps.clear();
    m_connected = false;
    m_ready = false;
    m_keysSent = 0;
    m_keysReported = 0;
    m_textKeysSent = 0;
    m_textKeysReported = 0;

    m_bridge->setDirection(layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr"));
    const QUrl url(QStringLiteral("qrc") + resourcePath);
    m_page->setHomeUrl(url);
    m_page->load(url);
    return true;
}

bool CHtmlEngineView::hasElement(const QString &id) const
{
    return !m_ready || m_mirror.contains(id);
}

QString CHtmlEngineView::tagName(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? element->tag : QString();
}

QString CHtmlEngineView::attribute(const QString &id, const QString &name) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? element->attributes.value(name).toString() : QString();
}

void CHtmlEngineView::setAttribute(const QString &id, const QString &name, const QString &value)
{
    if (!hasElement(id))
        return;
    m_mirror.beginWrite(id).attributes.insert(name, value);
    queueOp(QStringLiteral("setAttribute"), id, { { QStringLiteral("name"), name }, { QStringLiteral("value"), value } });
}

void CHtmlEngineView::removeAttribute(const QString &id, const QString &name)
{
    if (!hasElement(id))
        return;
    m_mirror.beginWrite(id).attributes.remove(name);
    queueOp(QStringLiteral("removeAttribute"), id, { { QStringLiteral("name"), name } });
}

QString CHtmlEngineView::styleAttribute(const QString &id, const QString &name) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? element->styles.value(name).toString() : QString();
}

void CHtmlEngineView::setStyleAttribute(const QString &id, const QString &name, const QString &value)
{
    if (!hasElement(id))
        return;
    HtmlElementState &element = m_mirror.beginWrite(id);
    if (value.isEmpty())
        element.styles.remove(name);
    else
        element.styles.insert(name, value);
    queueOp(QStringLiteral("setStyle"), id, { { QStringLiteral("name"), name }, { QStringLiteral("value"), value } });
}

QString CHtmlEngineView::elementHtml(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? element->html : QString();
}

void CHtmlEngineView::setElementHtml(const QString &id, const QString &html)
{
    if (!hasElement(id))
        return;
    m_mirror.beginWrite(id).html = html;
    queueOp(QStringLiteral("setHtml"), id, { { QStringLiteral("html"), html } });
}

QString CHtmlEngineView::innerText(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? element->text : QString();
}

QVariant CHtmlEngineView::value(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? element->value : QVariant();
}

bool CHtmlEngineView::isReported(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element && element->reported;
}

void CHtmlEngineView::setValue(const QString &id, const QVariant &value)
{
    if (!hasElement(id))
        return;
    HtmlElementState &element = m_mirror.beginWrite(id);
    const QString text = value.toString();
    element.value = value;
    if (element.behavior == kRichText) {
        element.html = text;
        element.markedHtml = text;
        clearSelection(element);
    } else if (element.behavior == kEdit || element.behavior == kDropDown) {
        element.text = text;
        element.html = escapeText(text);
    } else if (element.behavior.isEmpty() && element.tag.isEmpty()) {
        // Not yet reported by the page: the value stands for all its forms
        // until the page says what the element is.
        element.text = text;
        element.html = text;
        element.markedHtml = text;
    }
    queueOp(QStringLiteral("setValue"), id, { { QStringLiteral("value"), value } });
}

QStringList CHtmlEngineView::options(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? element->options.texts() : QStringList();
}

bool CHtmlEngineView::hasOption(const QString &id, const QString &text) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element && element->options.contains(text);
}

void CHtmlEngineView::appendOption(const QString &id, const QString &text)
{
    appendOptions(id, { text });
}

void CHtmlEngineView::appendOptions(const QString &id, const QStringList &texts)
{
    if (!hasElement(id))
        return;
    // Only a write that adds something goes to the page.
    const HtmlElementState *known = m_mirror.find(id);
    const auto isKnown = [known](const QString &text) { return known && known->options.contains(text); };
    if (std::all_of(texts.cbegin(), texts.cend(), isKnown))
        return;
    HtmlElementState &element = m_mirror.beginWrite(id);
    QStringList added;
    for (const QString &text : texts) {
        if (element.options.append(text))
            added.append(text);
    }
    queueOp(QStringLiteral("appendOptions"), id, { { QStringLiteral("texts"), added } });
}

uint CHtmlEngineView::elementState(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    if (!element)
        return 0;
    return element->state | (m_mirror.focusId() == id ? uint(StateFocus) : 0u);
}

void CHtmlEngineView::setElementState(const QString &id, uint bitsToSet, uint bitsToClear)
{
    if (!hasElement(id))
        return;
    HtmlElementState &element = m_mirror.beginWrite(id);
    const uint kept = ~uint(StateFocus);
    element.state = (element.state | (bitsToSet & kept)) & ~(bitsToClear & kept);
    if (bitsToSet & StateFocus)
        m_mirror.writeFocus(id);
    else if ((bitsToClear & StateFocus) && m_mirror.focusId() == id)
        m_mirror.writeFocus(QString());
    queueOp(QStringLiteral("setState"), id,
            { { QStringLiteral("set"), bitsToSet }, { QStringLiteral("clear"), bitsToClear } });
}

QString CHtmlEngineView::saveHtml(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? savedDocument(element->markedHtml) : QString();
}

bool CHtmlEngineView::selection(const QString &id, int *start, int *end) const
{
    const HtmlElementState *element = m_mirror.find(id);
    if (!element)
        return false;
    *start = element->selectionStart;
    *end = element->selectionEnd;
    return true;
}

QString CHtmlEngineView::selectionText(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    return element ? element->selectionText : QString();
}

QByteArray CHtmlEngineView::selectionHtml(const QString &id) const
{
    const HtmlElementState *element = m_mirror.find(id);
    if (!element || element->selectionHtml.isEmpty())
        return QByteArray();
    const QString fragment = QStringLiteral("<html>\r\n<body>\r\n<!--StartFragment-->")
        + element->selectionHtml + QStringLiteral("<!--EndFragment-->\r\n</body>\r\n</html>");
    return fragment.toUtf8();
}

QVariant CHtmlEngineView::callMethod(const QString &id, const QString &name, const QVariantList &args)
{
    if (!hasElement(id))
        return QVariant();
    const HtmlElementState *element = m_mirror.find(id);

    if (name == QLatin1String("saveHTML"))
        return saveHtml(id);
    if (name == QLatin1String("getCurrentStyle"))
        return element ? element->currentStyle : QVariantMap();
    if (name == QLatin1String("getCurrentObjects"))
        return element ? QVariant(QVariant(element->currentObjects).toList()) : QVariant(QVariantList());
    if (name == QLatin1String("getCurrentObjectAttributes")) {
        const int index = args.value(0, -1).toInt();
        if (!element || index < 0 || index >= element->objectAttributes.size())
            return QVariant();
        return element->objectAttributes.at(index);
    }
    if (name.startsWith(QLatin1String("can")))
        return element ? element->commandStates.value(name, 0).toInt() : 0;

    static const QStringList actions = {
        QStringLiteral("doUndo"), QStringLiteral("doRedo"), QStringLiteral("doCut"),
        QStringLiteral("doCopy"), QStringLiteral("doPaste"), QStringLiteral("doSelectAll"),
        QStringLiteral("toggleSpan"), QStringLiteral("setBlock"), QStringLiteral("insertHtml"),
        QStringLiteral("insertLink"), QStringLiteral("setCurrentObjectAttributes"),
    };
    if (!actions.contains(name))
        return QVariant();
    // An action changes the page, not the copy: the page reports its result.
    queueOp(QStringLiteral("call"), id, { { QStringLiteral("method"), name }, { QStringLiteral("args"), args } });
    return QVariant();
}

void CHtmlEngineView::sendPageOp(const QString &op, const QVariantMap &arguments)
{
    queueOp(op, QString(), arguments);
}

QString CHtmlEngineView::savedDocument(const QString &markedHtml)
{
    return QStringLiteral("<html>\r\n<head>\r\n"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
                          "</head>\r\n<body>\r\n")
        + markedHtml + QStringLiteral("\r\n</body>\r\n</html>\r\n");
}

void CHtmlEngineView::onPageGreeted()
{
    m_connected = true;
    m_keysSent = 0;
    m_keysReported = 0;
    m_textKeysSent = 0;
    m_textKeysReported = 0;
    sendOps(true);
}

void CHtmlEngineView::onPageReported(const QVariantMap &state)
{
    const qint64 generation = state.value(QStringLiteral("generation")).toLongLong();
    const QVariantMap elements = state.value(QStringLiteral("elements")).toMap();
    const QString focus = state.value(QStringLiteral("focus")).toString();
    const bool complete = state.value(QStringLiteral("complete")).toBool();
    m_keysReported = std::max(m_keysReported, state.value(QStringLiteral("keys")).toLongLong());
    m_textKeysReported = std::max(m_textKeysReported, state.value(QStringLiteral("textKeys")).toLongLong());

    QSet<QString> stale;
    if (complete)
        m_mirror.replaceAll(generation, elements, focus);
    else
        stale = m_mirror.update(generation, elements, focus);
    if (m_mirror.wholeReportNeeded())
        sendOps(true);

    if (complete && !m_ready) {
        m_ready = true;
        emit pageReady();
    }

    emit reported();

    // Events about content the program has overwritten since are dropped:
    // the page replaces that content as it applies the write.
    const QVariantList events = state.value(QStringLiteral("events")).toList();
    for (const QVariant &event : events) {
        const QVariantMap map = event.toMap();
        const QString id = map.value(QStringLiteral("id")).toString();
        const int code = map.value(QStringLiteral("code")).toInt();
        if (code == HyperlinkClick)
            emit linkClicked(map.value(QStringLiteral("href")).toString());
        else if (!stale.contains(id))
            emit elementEvent(code, id);
    }
    if (!m_settledWaiters.empty())
        checkSettled();
}

bool CHtmlEngineView::isSettled() const
{
    return !m_connected || (m_keysReported >= m_keysSent && m_textKeysReported >= m_textKeysSent);
}

void CHtmlEngineView::whenSettled(const std::function<void()> &then)
{
    if (isSettled() && m_settledWaiters.empty()) {
        then();
        return;
    }
    if (m_settledWaiters.empty())
        m_settleTimeout->start();
    m_settledWaiters.push_back(then);
    askPageToSettle();
}

void CHtmlEngineView::askPageToSettle()
{
    if (m_settleAsked)
        return;
    m_settleAsked = true;
    emit m_bridge->settle();
}

// A key may still be on its way to the page when the page answers; then
// it is asked again, shortly.
void CHtmlEngineView::checkSettled()
{
    m_settleAsked = false;
    if (isSettled()) {
        runSettledWaiters();
        return;
    }
    QTimer::singleShot(kSettleRetryMs, this, [this] {
        if (!m_settledWaiters.empty())
            askPageToSettle();
    });
}

void CHtmlEngineView::runSettledWaiters()
{
    m_settleTimeout->stop();
    // A page that lost keys (a renderer that went away) will not report
    // them: the keys are forgotten rather than waited for again.
    m_keysReported = std::max(m_keysReported, m_keysSent);
    m_textKeysReported = std::max(m_textKeysReported, m_textKeysSent);
    const std::vector<std::function<void()>> waiters = std::exchange(m_settledWaiters, {});
    for (const auto &then : waiters)
        then();
}

void CHtmlEngineView::queueOp(const QString &op, const QString &id, const QVariantMap &arguments)
{
    QVariantMap entry = arguments;
    entry.insert(QStringLiteral("op"), op);
    entry.insert(QStringLiteral("id"), id);
    entry.insert(QStringLiteral("generation"), m_mirror.generation());
    m_pendingOps.append(entry);
    if (m_connected && m_openBatches == 0)
        sendOps(false);
}

void CHtmlEngineView::closeBatch()
{
    if (--m_openBatches == 0 && m_connected && !m_pendingOps.isEmpty())
        sendOps(false);
}

void CHtmlEngineView::sendOps(bool complete)
{
    const QVariantList ops = m_pendingOps;
    m_pendingOps.clear();
    emit m_bridge->applyOps(ops, complete);
}
