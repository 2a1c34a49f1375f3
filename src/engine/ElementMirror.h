#pragma once

#include "engine/HtmlElementState.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>

// The program's copy of the page's elements. Reads are answered from here at
// once, so a caller in the middle of a notification gets the state exact at
// that moment without waiting for the page. Every write of the program is
// stamped with a new generation; a page report made before the page applied
// a write must not overwrite that element, so each report carries the last
// generation the page had applied.
class CElementMirror
{
public:
    const HtmlElementState *find(const QString &id) const;
    bool contains(const QString &id) const { return m_elements.contains(id); }

    // Starts a write of the program: a new generation, stamped on the element
    // (created when unknown).
    HtmlElementState &beginWrite(const QString &id);
    qint64 generation() const { return m_generation; }

    QString focusId() const { return m_focusId; }
    void writeFocus(const QString &id);

    // Takes a page report made after the page applied the program's writes
    // up to `pageGeneration`. Elements written since keep the program's
    // version; their ids are returned so their events can be dropped. A
    // drop-down reported without its options keeps the options known.
    QSet<QString> update(qint64 pageGeneration, const QVariantMap &elements, const QString &focusId);
    // The page reports a rich text's long texts by what changed since its
    // last report; when this copy does not hold what they changed (the page
    // reported after a write it had not applied yet), the element is left
    // as it was and a whole report is needed.
    bool wholeReportNeeded() const { return m_wholeReportNeeded; }
    // The page's report of all its elements: also forgets ids the page lacks.
    void replaceAll(qint64 pageGeneration, const QVariantMap &elements, const QString &focusId);

    static HtmlElementState stateFromPage(const QVariantMap &snapshot);

private:
    QHash<QString, HtmlElementState> m_elements;
    QString m_focusId;
    qint64 m_focusGeneration = 0;
    qint64 m_generation = 0;
    bool m_wholeReportNeeded = false;
};
