#pragma once

#include <QAccessible>
#include <QObject>
#include <QVariant>

// The one object the page's scripts see over the web channel. The page calls
// hello() once its scripts run and report() with its state and events; the
// program sends its writes with applyOps(). Calls from the page arrive as
// queued messages, never inside a call of the program.
class CEngineBridge : public QObject, private QAccessible::ActivationObserver
{
    Q_OBJECT
    // The program's palette and font for the page's style sheet: colour
    // names by role ("base", "text", "highlight"...), "dark" when the base is
    // dark, "font-family" and "font-size".
    Q_PROPERTY(QVariantMap colors READ colors NOTIFY colorsChanged)
    // The page's own words by key (data-text="key" sets an element's text,
    // data-text-ATTR="key" its attribute ATTR) and the direction of its
    // language, "ltr" or "rtl". Set before the page loads.
    Q_PROPERTY(QVariantMap texts READ texts CONSTANT)
    Q_PROPERTY(QString direction READ direction CONSTANT)
    // Whether an assistive technology (a screen reader, say) reads the
    // program; the page then keeps its editing hosts as they are, which
    // the technology announces.
    Q_PROPERTY(bool assistiveTechnology READ assistiveTechnology NOTIFY assistiveTechnologyChanged)
public:
    explicit CEngineBridge(QObject *parent = nullptr)
        : QObject(parent)
    {
        QAccessible::installActivationObserver(this);
    }
    ~CEngineBridge() override { QAccessible::removeActivationObserver(this); }

    bool assistiveTechnology() const { return QAccessible::isActive(); }

    QVariantMap colors() const { return m_colors; }
    void setColors(const QVariantMap &colors)
    {
        if (colors == m_colors)
            return;
        m_colors = colors;
        emit colorsChanged(colors);
    }

    QVariantMap texts() const { return m_texts; }
    void setTexts(const QVariantMap &texts) { m_texts = texts; }
    QString direction() const { return m_direction; }
    void setDirection(const QString &direction) { m_direction = direction; }

    Q_INVOKABLE void hello() { emit pageGreeted(); }
    // state: { generation, focus, elements: { id: snapshot }, events: [ { code, id } ], complete,
    //         keys: the key presses the page has seen, textKeys: the keypress events }
    Q_INVOKABLE void report(const QVariantMap &state) { emit pageReported(state); }
    // A notice of one of the page's own scripts (dialog.js): { kind, ... }.
    Q_INVOKABLE void notify(const QVariantMap &notice) { emit pageNotified(notice); }

signals:
    // To the page: writes to apply in order; `complete` asks for a report of
    // every element afterwards.
    void applyOps(const QVariantList &ops, bool complete);
    // To the page: report at once, with no elements, so the program hears
    // how many keys the page has seen.
    void settle();

    void colorsChanged(const QVariantMap &colors);
    void assistiveTechnologyChanged(bool active);

    // To the program.
    void pageGreeted();
    void pageReported(const QVariantMap &state);
    void pageNotified(const QVariantMap &notice);

private:
    void accessibilityActiveChanged(bool active) override { emit assistiveTechnologyChanged(active); }

    QVariantMap m_colors;
    QVariantMap m_texts;
    QString m_direction = QStringLiteral("ltr");
};
