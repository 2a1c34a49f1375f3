"use strict";

// Other scripts of a page (dialog.js) take part through this: the ops the
// program sends them without an element, by name, and their notices to the
// program, which go nowhere until the bridge is up.
const TidrelEngine = {
    pageOps: {},
    notify: () => {},
};

// Page side of the program's engine layer. The program keeps a copy of every
// element that has an id; the page reports an element's state whenever it
// changes and applies the program's writes in the order they were made.
// Each report carries the generation of the last write the page applied, so
// the program can tell a report that predates one of its writes.
(function () {
    const EVENT_BUTTON_CLICK = 0;
    const EVENT_EDIT_VALUE_CHANGED = 4;
    const EVENT_SELECT_SELECTION_CHANGED = 5;
    const EVENT_UI_STATE_CHANGED = 0x95;
    const EVENT_HYPERLINK_CLICK = 0x80;
    const STATE_FOCUS = 0x08;
    const STATE_CHECKED = 0x40;
    const STATE_DISABLED = 0x80;

    let bridge = null;
    let appliedGeneration = 0;
    let lastUiKey = "";
    // Key presses seen, told in every report: the program waits for them
    // before a command reads what was typed. A character key's text goes in
    // with its keypress, which comes in a task after its keydown: such keys
    // are counted there too.
    let keysSeen = 0;
    let textKeysSeen = 0;

    function behaviorOf(element) {
        return element.dataset.behavior || "";
    }

    // The page's rich texts are part of its markup: found once, as the page
    // starts, rather than by a search of a document that a drop-down of
    // every link of a large feed makes long.
    let pageRichTexts = [];

    function richTexts() {
        return pageRichTexts;
    }

    // Ids inside edited content are the user's text, not the page's.
    function isPageElement(element) {
        return !element.parentElement || !element.parentElement.closest("[data-behavior='richtext']");
    }

    // The page's own elements with an id.
    function pageElements() {
        return Array.from(document.querySelectorAll("[id]")).filter(isPageElement);
    }

    // By the document's index of ids; only an id that the user's text uses
    // too (and holds first) needs the search.
    function elementById(id) {
        const element = document.getElementById(id);
        if (!element || isPageElement(element))
            return element;
        return pageElements().find(element => element.id === id) || null;
    }

    // The mirrored element a node belongs to.
    function ownerOf(node) {
        const element = node && node.nodeType === Node.ELEMENT_NODE ? node : node && node.parentElement;
        if (!element)
            return null;
        return element.closest("[data-behavior]") || element.closest("[id]");
    }

    function focusId() {
        const active = document.activeElement;
        if (!active || active === document.body)
            return "";
        const owner = ownerOf(active);
        return owner ? owner.id : "";
    }

    function styleTarget(element) {
        return behaviorOf(element) === "dropdown" ? TidrelDropdown.edit(element) : element;
    }

    function attributesOf(element) {
        const map = {};
        for (const attribute of element.attributes)
            map[attribute.name] = attribute.value;
        return map;
    }

    function stylesOf(element) {
        const style = styleTarget(element).style;
        const map = {};
        for (let i = 0; i < style.length; ++i)
            map[style[i]] = style.getPropertyValue(style[i]);
        return map;
    }

    function stateOf(element) {
        let state = 0;
        if (element.classList.contains("checked"))
            state |= STATE_CHECKED;
        if (element.classList.contains("disabled") || element.disabled === true)
            state |= STATE_DISABLED;
        return state;
    }

    function isField(element) {
        return ["INPUT", "TEXTAREA", "SELECT"].includes(element.tagName);
    }

    // A full snapshot also lists a drop-down's options, which only the
    // program's writes change after that.
    function snapshot(element, full) {
        const state = {
            tag: element.tagName.toLowerCase(),
            behavior: behaviorOf(element),
            attributes: attributesOf(element),
            styles: stylesOf(element),
            state: stateOf(element),
        };
        switch (state.behavior) {
        case "richtext":
            TidrelRichText.snapshot(element, state);
            break;
        case "dropdown":
            TidrelDropdown.snapshot(element, state, full);
            break;
        case "edit":
            state.value = element.textContent;
            state.text = element.textContent;
            state.html = element.innerHTML;
            break;
        default:
            state.value = isField(element) ? element.value : element.textContent;
            state.text = element.innerText;
            state.html = element.innerHTML;
        }
        return state;
    }

    // The long texts of a rich text's snapshot, as the pieces last sent for
    // each element.
    const TEXT_FIELDS = ["value", "markedHtml"];
    const lastSent = new Map();

    // What changed from the pieces `was` to `now`: [kept at the start, kept
    // at the end, new middle, length of the text it was]. Pieces the same
    // at either end are passed over whole, so a key in a long description
    // costs what a key in a short one does.
    function piecesDelta(was, now) {
        const shorter = Math.min(was.length, now.length);
        let first = 0, head = 0;
        while (first < shorter && was[first] === now[first])
            head += now[first++].length;
        let last = 0, tail = 0;
        while (last < shorter - first && was[was.length - 1 - last] === now[now.length - 1 - last])
            tail += now[now.length - 1 - last++].length;
        const wasMiddle = was.slice(first, was.length - last).join("");
        const nowMiddle = now.slice(first, now.length - last).join("");
        const shorterMiddle = Math.min(wasMiddle.length, nowMiddle.length);
        let h = 0;
        while (h < shorterMiddle && wasMiddle.charCodeAt(h) === nowMiddle.charCodeAt(h))
            ++h;
        let t = 0;
        while (t < shorterMiddle - h
               && wasMiddle.charCodeAt(wasMiddle.length - 1 - t) === nowMiddle.charCodeAt(nowMiddle.length - 1 - t))
            ++t;
        return [head + h, tail + t, nowMiddle.substring(h, nowMiddle.length - t), head + wasMiddle.length + tail];
    }

    // A rich text's long texts go whole the first time and after a write of
    // the program, else as what changed since the last report.
    function withTexts(id, state, whole) {
        const pieces = state.pieces;
        delete state.pieces;
        if (state.asWritten) {
            lastSent.set(id, pieces);
            return state;
        }
        const sent = whole ? undefined : lastSent.get(id);
        lastSent.set(id, pieces);
        if (!sent) {
            for (const field of TEXT_FIELDS)
                state[field] = pieces[field].join("");
            return state;
        }
        state.deltas = Object.fromEntries(TEXT_FIELDS.map(field => [field, piecesDelta(sent[field], pieces[field])]));
        return state;
    }

    // The value the program wrote last into an element, kept until a report
    // sends the element's value: while the element still shows that value,
    // which the program's copy holds, the report says "as written" instead
    // of sending it back. A rich text's HTML is compared as the page writes
    // it: the engine may have rewritten what it was given.
    const writtenValues = new Map();

    function showsWrittenValue(element, state) {
        const written = writtenValues.get(element);
        if (written === undefined)
            return false;
        switch (state.behavior) {
        case "richtext":
            // The same pieces for both texts: no selection marked in it.
            return state.pieces.markedHtml === state.pieces.value && state.pieces.value.join("") === written;
        case "edit":
            // Plain text, as the program's copy writes its HTML.
            return state.value === written && element.childNodes.length <= 1
                && (!element.firstChild || element.firstChild.nodeType === Node.TEXT_NODE);
        case "dropdown":
            return state.value === written;
        default:
            return false;
        }
    }

    // The element's snapshot without its value, when the program holds it.
    function markAsWritten(element, state, complete) {
        if (complete || !showsWrittenValue(element, state)) {
            writtenValues.delete(element);
            return state;
        }
        for (const field of ["value", "text", "html"])
            delete state[field];
        state.asWritten = true;
        return state;
    }

    // The report of the program's writes goes in a task of its own after
    // them, once the page has drawn its next frame, so that the page shows
    // a post before it works out the report (the rich text's HTML, the
    // state at the caret). Anything that changes the page, or reports,
    // sends it first, as the page stood after the writes, except for the
    // elements that new writes of the program replace. The task comes as
    // a message, which a hidden page does not hold back as it holds back
    // timers; a hidden page draws no frames, so it sends the report at once.
    let deferredReport = null;
    const reportTask = new MessageChannel();
    reportTask.port1.onmessage = () => sendDeferredReport();

    function sendReportTask() {
        if (document.visibilityState === "visible")
            requestAnimationFrame(() => reportTask.port2.postMessage(null));
        else
            reportTask.port2.postMessage(null);
    }

    function reportLater(elements, complete) {
        if (!deferredReport) {
            deferredReport = { elements: new Set(), complete: false };
            sendReportTask();
        }
        for (const element of elements)
            deferredReport.elements.add(element);
        deferredReport.complete = deferredReport.complete || !!complete;
    }

    // Ops after which the program's copy of their element holds its own
    // write: a report of the element from before them is stale there. A
    // call changes the page but not the copy, so it is none of them.
    const REWRITES = new Set(["setValue", "setAttribute", "removeAttribute", "setHtml", "setStyle", "appendOptions",
                              "setState"]);

    // A waiting report need not tell of the elements that new ops write
    // again (the next post's, in place of those of a post passed over
    // quickly): the report after the ops tells of them. It keeps the rest.
    function dropRewritten(ops) {
        if (!deferredReport || deferredReport.complete)
            return;
        const rewritten = new Set(ops.filter(op => op.id && REWRITES.has(op.op)).map(op => op.id));
        for (const element of deferredReport.elements) {
            if (rewritten.has(element.id))
                deferredReport.elements.delete(element);
        }
    }

    function sendDeferredReport() {
        if (!deferredReport)
            return;
        const pending = deferredReport;
        deferredReport = null;
        report(Array.from(pending.elements), [], pending.complete);
    }

    function report(elements, events, complete) {
        sendDeferredReport();
        const map = {};
        for (const element of new Set(elements)) {
            if (!element || !element.id)
                continue;
            const state = markAsWritten(element, snapshot(element, complete), complete);
            if (state.pieces)
                map[element.id] = withTexts(element.id, state, complete);
            else
                map[element.id] = state;
        }
        bridge.report({
            generation: appliedGeneration,
            focus: focusId(),
            elements: map,
            events: events,
            complete: !!complete,
            keys: keysSeen,
            textKeys: textKeysSeen,
        });
        keysReported = keysSeen;
        textKeysReported = textKeysSeen;
    }

    // --- The program's writes ---

    function focusElement(element) {
        const target = behaviorOf(element) === "dropdown" ? TidrelDropdown.edit(element) : element;
        target.focus();
    }

    // The text offset of the caret in `element` when it has the focus, else -1.
    function caretOffset(element) {
        const selection = window.getSelection();
        if (document.activeElement !== element || !selection || selection.rangeCount === 0)
            return -1;
        const range = selection.getRangeAt(0);
        if (!element.contains(range.startContainer))
            return -1;
        const before = document.createRange();
        before.setStart(element, 0);
        before.setEnd(range.startContainer, range.startOffset);
        return before.toString().length;
    }

    // The caret at `offset` in the element's text, or at its end when the
    // text is shorter.
    function putCaret(element, offset) {
        const caret = document.createRange();
        caret.selectNodeContents(element);
        caret.collapse(false);
        const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
        while (walker.nextNode()) {
            const node = walker.currentNode;
            if (offset <= node.length) {
                caret.setStart(node, offset);
                caret.collapse(true);
                break;
            }
            offset -= node.length;
        }
        const selection = window.getSelection();
        selection.removeAllRanges();
        selection.addRange(caret);
    }

    // Text replaced under the user's caret (an undo, say) keeps the caret
    // where it was in the text, rather than at the start, where typing
    // would go next.
    function replaceText(element, replace) {
        const offset = caretOffset(element);
        const before = offset >= 0 ? element.textContent : "";
        replace();
        if (offset >= 0)
            putCaret(element, caretAfterChange(before, element.textContent, offset));
    }

    // Where a caret at `offset` in `before` belongs in `after`: before the
    // changed stretch it stays, after it it moves with the text, and inside
    // it goes to the stretch's end.
    function caretAfterChange(before, after, offset) {
        let prefix = 0;
        while (prefix < before.length && prefix < after.length && before[prefix] === after[prefix])
            ++prefix;
        if (offset <= prefix)
            return offset;
        let suffix = 0;
        while (suffix < before.length - prefix && suffix < after.length - prefix
               && before[before.length - 1 - suffix] === after[after.length - 1 - suffix])
            ++suffix;
        return offset >= before.length - suffix ? offset + after.length - before.length : after.length - suffix;
    }

    function valueText(value) {
        return value === null || value === undefined ? "" : String(value);
    }

    function setValue(element, value) {
        const text = valueText(value);
        switch (behaviorOf(element)) {
        case "richtext":
            replaceText(element, () => { element.innerHTML = text; });
            break;
        case "dropdown":
            TidrelDropdown.setValue(element, text);
            break;
        default:
            if (isField(element))
                element.value = text;
            else
                replaceText(element, () => { element.textContent = text; });
        }
    }

    function setState(element, set, clear) {
        if (set & STATE_CHECKED)
            element.classList.add("checked");
        if (clear & STATE_CHECKED)
            element.classList.remove("checked");
        if (set & STATE_DISABLED)
            element.classList.add("disabled");
        if (clear & STATE_DISABLED)
            element.classList.remove("disabled");
        if (set & STATE_FOCUS)
            focusElement(element);
        if ((clear & STATE_FOCUS) && ownerOf(document.activeElement) === element)
            document.activeElement.blur();
    }

    const EDIT_COMMANDS = {
        doUndo: "undo", doRedo: "redo", doCut: "cut", doCopy: "copy", doPaste: "paste", doSelectAll: "selectAll",
    };

    function callMethod(element, method, args) {
        if (method in EDIT_COMMANDS) {
            if (ownerOf(document.activeElement) !== element)
                focusElement(element);
            document.execCommand(EDIT_COMMANDS[method]);
        } else if (behaviorOf(element) === "richtext") {
            TidrelRichText.call(element, method, args);
        }
    }

    function applyOp(element, op) {
        switch (op.op) {
        case "setValue":
            setValue(element, op.value);
            writtenValues.set(element, valueText(op.value));
            break;
        case "setAttribute":
            element.setAttribute(op.name, op.value);
            break;
        case "setHtml":
            element.innerHTML = op.html;
            // The program's copy holds this HTML now, beside the value.
            writtenValues.delete(element);
            break;
        case "removeAttribute":
            element.removeAttribute(op.name);
            break;
        case "setStyle":
            if (op.value)
                styleTarget(element).style.setProperty(op.name, op.value);
            else
                styleTarget(element).style.removeProperty(op.name);
            break;
        case "appendOptions":
            TidrelDropdown.appendOptions(element, op.texts || []);
            break;
        case "setState":
            setState(element, op.set, op.clear);
            break;
        case "call":
            callMethod(element, op.method, op.args || []);
            break;
        }
    }

    // The program's writes to a rich text, and its moves of the focus, find
    // the rich text whole, as the user sees it.
    function touchesRichText(element, op) {
        if (!richTexts().length)
            return false;
        if (!element)
            return !op.id;
        return behaviorOf(element) === "richtext" || (op.op === "setState" && ((op.set | op.clear) & STATE_FOCUS) !== 0);
    }

    function applyOps(ops, complete) {
        dropRewritten(ops);
        if (deferredReport && deferredReport.elements.size > 0)
            sendDeferredReport();
        const touched = new Set(richTexts());
        let wholePage = complete;
        for (const op of ops) {
            appliedGeneration = op.generation;
            const element = op.id ? elementById(op.id) : null;
            if (touchesRichText(element, op))
                TidrelRichText.widen();
            if (element) {
                applyOp(element, op);
                // The program's copy holds its own write now: the next
                // report of the element is whole.
                lastSent.delete(element.id);
                touched.add(element);
            } else if (!op.id && op.op in TidrelEngine.pageOps) {
                // It may change any element.
                TidrelEngine.pageOps[op.op](op);
                wholePage = true;
            }
        }
        reportLater(wholePage ? pageElements() : Array.from(touched), complete);
    }

    // --- Events of the page ---

    function onInput(event) {
        const owner = ownerOf(event.target);
        if (!owner || !owner.id)
            return;
        // The caret's move by the key goes in the same report, rather than
        // in one of its own.
        const editors = richTexts();
        const events = [{ code: EVENT_EDIT_VALUE_CHANGED, id: owner.id }];
        const key = uiStateKey(editors);
        if (key !== lastUiKey) {
            lastUiKey = key;
            events.push(...editors.map(editor => ({ code: EVENT_UI_STATE_CHANGED, id: editor.id })));
        }
        report([owner, ...editors], events);
    }

    function onSelect(event) {
        const owner = event.target;
        report([owner], [{ code: EVENT_SELECT_SELECTION_CHANGED, id: owner.id }]);
    }

    function onClick(event) {
        const button = event.target.closest("button, .tb-button");
        if (!button || button.closest("[data-behavior='dropdown']") || button.classList.contains("disabled"))
            return;
        report([], [{ code: EVENT_BUTTON_CLICK, id: button.id || button.dataset.command || "" }]);
    }

    // The page's own links (not those in edited text) are the program's to
    // follow; it hears the address as the page wrote it.
    function onLinkClick(event) {
        const link = event.target.closest ? event.target.closest("a[href]") : null;
        if (!link || link.closest("[data-behavior='richtext']"))
            return;
        event.preventDefault();
        link.classList.add("visited");
        report([], [{ code: EVENT_HYPERLINK_CLICK, id: link.id || "", href: link.getAttribute("href") }]);
    }

    function uiStateKey(editors) {
        return focusId() + "|" + editors.map(editor => TidrelRichText.uiKey(editor)).join("|");
    }

    // Caret moves and focus changes: the state at the caret is reported when
    // it differs from the last report.
    function onUiChange() {
        const editors = richTexts();
        for (const editor of editors)
            TidrelRichText.refreshToolbar(editor);
        // Pages without rich text (dialogs) do not load richtext.js.
        const key = uiStateKey(editors);
        if (key === lastUiKey)
            return;
        lastUiKey = key;
        const events = editors.map(editor => ({ code: EVENT_UI_STATE_CHANGED, id: editor.id }));
        report(editors, events);
    }

    // Plain edit fields hold one line.
    function onKeyDown(event) {
        const owner = ownerOf(event.target);
        if (event.key === "Enter" && owner && behaviorOf(owner) === "edit")
            event.preventDefault();
    }

    // The program's palette and font as CSS variables (--base, --text...,
    // --font-family, --font-size) on the root element, and the class "dark"
    // for a dark palette, in which the engine draws its own scroll bars and
    // controls dark too.
    function applyColors(colors) {
        const root = document.documentElement;
        for (const name of Object.keys(colors)) {
            if (name !== "dark")
                root.style.setProperty("--" + name, colors[name]);
        }
        root.classList.toggle("dark", !!colors.dark);
        root.style.colorScheme = colors.dark ? "dark" : "light";
        settleInheritedStyle();
    }

    // Chromium's edits that move text (Backspace joining two paragraphs)
    // write the text's inherited style onto it as a styled span unless it
    // equals the style where the text lands, and a var() never equals its
    // value. So the body carries the values its style sheet computes.
    const INHERITED_TEXT_STYLE = ["color", "font-family", "font-size"];

    function settleInheritedStyle() {
        const style = document.body.style;
        for (const name of INHERITED_TEXT_STYLE)
            style.removeProperty(name);
        const computed = window.getComputedStyle(document.body);
        const values = INHERITED_TEXT_STYLE.map(name => computed.getPropertyValue(name));
        INHERITED_TEXT_STYLE.forEach((name, i) => style.setProperty(name, values[i]));
    }

    // The program's words for the page's own elements, in the program's
    // language and its direction; the feed's text sets its own.
    function applyTexts(texts, direction) {
        document.documentElement.dir = direction;
        for (const element of document.querySelectorAll("*")) {
            for (const attribute of Array.from(element.attributes)) {
                const text = texts[attribute.value];
                if (text === undefined)
                    continue;
                if (attribute.name === "data-text")
                    element.textContent = text;
                else if (attribute.name.startsWith("data-text-"))
                    element.setAttribute(attribute.name.slice("data-text-".length), text);
            }
        }
    }

    let keysReported = 0;
    let textKeysReported = 0;

    function countKey() {
        ++keysSeen;
    }

    function countTextKey() {
        ++textKeysSeen;
    }

    // A key that changed nothing (an arrow, say) is told of when it is let
    // go, so that a command after it need not ask.
    function tellKeysSeen() {
        if (bridge && (keysReported < keysSeen || textKeysReported < textKeysSeen))
            report([], []);
    }

    function start() {
        pageRichTexts = Array.from(document.querySelectorAll("[data-behavior='richtext']"));
        // Before the user's edit changes the page, and before the key
        // counts as seen.
        for (const type of ["keydown", "mousedown", "beforeinput"])
            window.addEventListener(type, sendDeferredReport, true);
        // A page hidden before its next frame draws none.
        document.addEventListener("visibilitychange", sendDeferredReport);
        // Before any other listener, which might stop the event.
        window.addEventListener("keydown", countKey, true);
        window.addEventListener("keypress", countTextKey, true);
        window.addEventListener("keyup", tellKeysSeen, true);
        for (const box of document.querySelectorAll("[data-behavior='dropdown']"))
            TidrelDropdown.init(box);
        for (const editor of richTexts())
            TidrelRichText.init(editor);

        new QWebChannel(qt.webChannelTransport, channel => {
            bridge = channel.objects.engine;
            TidrelEngine.notify = notice => bridge.notify(notice);
            bridge.applyOps.connect(applyOps);
            bridge.settle.connect(() => report([], []));
            applyTexts(bridge.texts, bridge.direction);
            applyColors(bridge.colors);
            bridge.colorsChanged.connect(applyColors);
            if (richTexts().length) {
                TidrelRichText.setNarrowingAllowed(!bridge.assistiveTechnology);
                bridge.assistiveTechnologyChanged.connect(active => TidrelRichText.setNarrowingAllowed(!active));
            }
            document.addEventListener("input", onInput, true);
            document.addEventListener("tidrel-select", onSelect, true);
            document.addEventListener("click", onClick, true);
            document.addEventListener("click", onLinkClick, true);
            document.addEventListener("keydown", onKeyDown, true);
            document.addEventListener("selectionchange", onUiChange);
            document.addEventListener("focusin", onUiChange);
            document.addEventListener("focusout", () => setTimeout(onUiChange, 0));
            bridge.hello();
        });
    }

    if (document.readyState === "loading")
        document.addEventListener("DOMContentLoaded", start);
    else
        start();
})();
