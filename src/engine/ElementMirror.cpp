#include "engine/ElementMirror.h"

namespace {

// Only the page's full reports list a drop-down's options: after that the
// program makes every change to the list itself.
const QString kOptions = QStringLiteral("options");
const QString kDeltas = QStringLiteral("deltas");
const QString kAsWritten = QStringLiteral("asWritten");

// The text a page report says changed: [kept at the start, kept at the
// end, new middle, length of the text it changed]. False when `was` is not
// that text.
bool applyDelta(const QString &was, const QVariantList &delta, QString *now)
{
    if (delta.size() != 4)
        return false;
    const qsizetype head = delta[0].toLongLong(), tail = delta[1].toLongLong(), length = delta[3].toLongLong();
    if (length != was.size() || head < 0 || tail < 0 || head + tail > length)
        return false;
    // Built in one piece: the text may be a long description, sent per key.
    const QString middle = delta[2].toString();
    now->reserve(head + middle.size() + tail);
    now->append(QStringView(was).left(head)).append(middle).append(QStringView(was).right(tail));
    return true;
}

// Puts the whole texts into a snapshot that gave only their changes since
// the page's last report of the element, which `known` holds.
bool applyDeltas(const HtmlElementState *known, QVariantMap *snapshot)
{
    if (!known || !known->reported)
        return false;
    const QVariantMap deltas = snapshot->take(kDeltas).toMap();
    const std::pair<QString, QString> fields[] = {
        {QStringLiteral("value"), known->value.toString()},
        {QStringLiteral("markedHtml"), known->markedHtml},
    };
    for (const auto &[name, was] : fields) {
        if (!deltas.contains(name))
            continue;
        QString now;
        if (!applyDelta(was, deltas.value(name).toList(), &now))
            return false;
        snapshot->insert(name, now);
    }
    return true;
}

// An element the page reports as showing the value the program wrote
// last: its value, in every form, is the one the program's copy gave it.
void keepWrittenValue(const HtmlElementState &known, HtmlElementState *state)
{
    state->value = known.value;
    state->html = known.html;
    state->text = known.text;
    state->markedHtml = known.markedHtml;
}

} // namespace

const HtmlElementState *CElementMirror::find(const QString &id) const
{
    const auto it = m_elements.constFind(id);
    return it == m_elements.constEnd() ? nullptr : &it.value();
}

HtmlElementState &CElementMirror::beginWrite(const QString &id)
{
    HtmlElementState &element = m_elements[id];
    element.writeGeneration = ++m_generation;
    element.reported = false;
    return element;
}

void CElementMirror::writeFocus(const QString &id)
{
    m_focusId = id;
    m_focusGeneration = ++m_generation;
}

QSet<QString> CElementMirror::update(qint64 pageGeneration, const QVariantMap &elements, const QString &focusId)
{
    m_wholeReportNeeded = false;
    QSet<QString> stale;
    for (auto it = elements.constBegin(); it != elements.constEnd(); ++it) {
        const auto known = m_elements.constFind(it.key());
        if (known != m_elements.constEnd() && known->writeGeneration > pageGeneration) {
            stale.insert(it.key());
            continue;
        }
        QVariantMap snapshot = it.value().toMap();
        const HtmlElementState *knownState = known == m_elements.constEnd() ? nullptr : &known.value();
        const bool asWritten = snapshot.value(kAsWritten).toBool();
        if ((snapshot.contains(kDeltas) && !applyDeltas(knownState, &snapshot)) || (asWritten && !knownState)) {
            // The page's changes are to texts this copy does not have.
            m_wholeReportNeeded = true;
            stale.insert(it.key());
            continue;
        }
        HtmlElementState state = stateFromPage(snapshot);
        state.reported = true;
        if (asWritten)
            keepWrittenValue(*knownState, &state);
        if (knownState) {
            state.writeGeneration = known->writeGeneration;
            if (!snapshot.contains(kOptions))
                state.options = known->options;
        }
        m_elements.insert(it.key(), state);
    }
    if (m_focusGeneration <= pageGeneration)
        m_focusId = focusId;
    return stale;
}

void CElementMirror::replaceAll(qint64 pageGeneration, const QVariantMap &elements, const QString &focusId)
{
    for (auto it = m_elements.begin(); it != m_elements.end();) {
        if (!elements.contains(it.key()) && it->writeGeneration <= pageGeneration)
            it = m_elements.erase(it);
        else
            ++it;
    }
    update(pageGeneration, elements, focusId);
}

HtmlElementState CElementMirror::stateFromPage(const QVariantMap &snapshot)
{
    HtmlElementState state;
    state.tag = snapshot.value(QStringLiteral("tag")).toString();
    state.behavior = snapshot.value(QStringLiteral("behavior")).toString();
    state.value = snapshot.value(QStringLiteral("value"));
    // A rich text's value is its inner HTML, sent once.
    state.html = state.behavior == QLatin1String("richtext") ? state.value.toString()
                                                              : snapshot.value(QStringLiteral("html")).toString();
    state.text = snapshot.value(QStringLiteral("text")).toString();
    state.attributes = snapshot.value(QStringLiteral("attributes")).toMap();
    state.styles = snapshot.value(QStringLiteral("styles")).toMap();
    state.options = COptionList(snapshot.value(kOptions).toStringList());
    state.state = snapshot.value(QStringLiteral("state")).toUInt();

    state.markedHtml = snapshot.value(QStringLiteral("markedHtml")).toString();
    state.selectionStart = snapshot.value(QStringLiteral("selectionStart")).toInt();
    state.selectionEnd = snapshot.value(QStringLiteral("selectionEnd")).toInt();
    state.selectionText = snapshot.value(QStringLiteral("selectionText")).toString();
    state.selectionHtml = snapshot.value(QStringLiteral("selectionHtml")).toString();
    state.currentStyle = snapshot.value(QStringLiteral("currentStyle")).toMap();
    // Numbers come from JavaScript as doubles; the weight is read as an integer.
    const QString weight = QStringLiteral("font-weight");
    if (state.currentStyle.contains(weight))
        state.currentStyle.insert(weight, state.currentStyle.value(weight).toInt());
    state.currentObjects = snapshot.value(QStringLiteral("currentObjects")).toStringList();
    state.objectAttributes = snapshot.value(QStringLiteral("objectAttributes")).toList();
    const QVariantMap commands = snapshot.value(QStringLiteral("commandStates")).toMap();
    for (auto it = commands.constBegin(); it != commands.constEnd(); ++it)
        state.commandStates.insert(it.key(), it.value().toBool() ? 1 : 0);
    return state;
}
