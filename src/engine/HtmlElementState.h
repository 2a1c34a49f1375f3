#pragma once

#include "engine/OptionList.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// What the program knows about one element of a page with an id: what the
// page last reported, or what the program wrote to it since.
struct HtmlElementState
{
    QString tag;         // lower-case tag name
    QString behavior;    // "richtext", "edit", "dropdown", or empty for a plain element
    QVariant value;      // control value
    QString html;        // inner HTML
    QString text;        // inner text
    QVariantMap attributes;
    QVariantMap styles;  // inline style properties
    COptionList options; // a drop-down's options
    uint state = 0;      // checked and disabled bits; focus is kept by the mirror

    // Rich text only: the state at the caret.
    QString markedHtml;  // inner HTML with the selection marker comments
    int selectionStart = 0;
    int selectionEnd = 0;
    QString selectionText;
    QString selectionHtml;     // the selected markup, without markers
    QVariantMap currentStyle;  // "font-weight" (int), "font-style", "text-decoration"
    QStringList currentObjects; // tags from the outermost element at the caret inwards
    QVariantList objectAttributes; // one attribute map per current object
    QVariantMap commandStates; // "canUndo", "canCut", ... as 0 or 1

    // The program's write generation that last touched this element.
    qint64 writeGeneration = 0;
    // The page reported the element after that write: the values are the
    // page's own (a rich text's HTML as the page serialises it).
    bool reported = false;
};
