"use strict";

// Rich-text elements: a contenteditable element (data-behavior="richtext")
// with an optional toolbar (data-toolbar: the toolbar's id) whose buttons
// carry data-command="richtext:<command>". Reports the element's HTML with
// the caret or selection marked, the state at the caret and what the edit
// commands can do.
const TidrelRichText = (function () {
    const START_MARKER = "StartSelection";
    const END_MARKER = "EndSelection";

    const INLINE_COMMANDS = {
        strong: "bold", b: "bold",
        em: "italic", i: "italic",
        u: "underline",
        s: "strikeThrough", strike: "strikeThrough", del: "strikeThrough",
    };
    const BLOCK_TAGS = ["p", "h1", "h2", "h3", "h4", "h5", "h6", "pre", "blockquote", "div"];
    // Elements a list may stand in; out of any other (a paragraph, a
    // heading, bold text) a list is taken, splitting it.
    const LIST_HOLDERS = ["LI", "BLOCKQUOTE", "DIV", "TD", "TH", "DD", "SECTION", "ARTICLE", "ASIDE", "NAV",
                          "HEADER", "FOOTER", "MAIN", "FIGURE", "DETAILS", "FIELDSET", "FORM"];
    const NBSP = "\u00a0";

    // The selection's range when it lies inside `element`.
    function rangeIn(element) {
        const selection = window.getSelection();
        if (!selection || selection.rangeCount === 0)
            return null;
        const range = selection.getRangeAt(0);
        if (!element.contains(range.startContainer) || !element.contains(range.endContainer))
            return null;
        return range;
    }

    function select(range) {
        const selection = window.getSelection();
        selection.removeAllRanges();
        selection.addRange(range);
    }

    // Child indexes leading from `root` down to `node`.
    function pathTo(root, node) {
        const path = [];
        for (; node !== root; node = node.parentNode)
            path.unshift(Array.prototype.indexOf.call(node.parentNode.childNodes, node));
        return path;
    }

    function nodeAt(root, path) {
        let node = root;
        for (const index of path)
            node = node.childNodes[index];
        return node;
    }

    function insertMarker(container, offset, text) {
        const marker = document.createComment(text);
        if (container.nodeType === Node.TEXT_NODE)
            container.parentNode.insertBefore(marker, container.splitText(offset));
        else
            container.insertBefore(marker, container.childNodes[offset] || null);
    }

    // --- The content, child by child ---
    // A report serialises anew only the children of the element that an
    // edit touched (a mutation observer tells which), so that a key in a
    // long description costs what a key in a short one does. For each child
    // the cache keeps its HTML as the element's serialisation writes it,
    // and the length of its text.
    const caches = new WeakMap();

    function childHtml(node) {
        switch (node.nodeType) {
        case Node.ELEMENT_NODE:
            return node.outerHTML;
        case Node.TEXT_NODE:
            return node.data.replace(/&/g, "&amp;").replace(/\u00a0/g, "&nbsp;")
                .replace(/</g, "&lt;").replace(/>/g, "&gt;");
        case Node.COMMENT_NODE:
            return "<!--" + node.data + "-->";
        default: {
            const holder = document.createElement("div");
            holder.appendChild(node.cloneNode(true));
            return holder.innerHTML;
        }
        }
    }

    // The child of `element` that holds `node`, or null for the element itself.
    function topChild(element, node) {
        while (node && node.parentNode !== element) {
            if (node === element)
                return null;
            node = node.parentNode;
        }
        return node;
    }

    function cacheOf(element) {
        let cache = caches.get(element);
        if (!cache) {
            cache = { observer: null, records: [], built: false, children: [], html: [], textLengths: [], known: new Map() };
            // Records handed to the observer between two reports (another
            // listener of the edit ran first) are kept for the next one.
            cache.observer = new MutationObserver(records => { cache.records = cache.records.concat(records); });
            cache.observer.observe(element, { childList: true, subtree: true, characterData: true, attributes: true });
            caches.set(element, cache);
        }
        return cache;
    }

    function entryOf(child) {
        return { html: childHtml(child), textLength: child.textContent.length };
    }

    // Brings the cache up to date with the mutations since the last call.
    // A report asks several times; only the first after an edit has work,
    // and a key that changed no child but the one it was typed in renews
    // that child alone.
    function refreshCache(element) {
        const cache = cacheOf(element);
        const records = cache.records.concat(cache.observer.takeRecords());
        cache.records = [];
        if (records.length === 0 && cache.built)
            return cache;
        const touched = new Set();
        let childrenChanged = !cache.built;
        for (const record of records) {
            if (record.target === element && record.type === "childList")
                childrenChanged = true;
            const child = topChild(element, record.target);
            if (child)
                touched.add(child);
        }
        for (const child of touched)
            cache.known.delete(child);
        if (childrenChanged || !renewChildren(cache, touched))
            rebuildCache(element, cache);
        return cache;
    }

    function rebuildCache(element, cache) {
        cache.built = true;
        const children = Array.from(element.childNodes);
        const known = new Map();
        cache.children = children;
        cache.html = children.map(child => {
            let entry = cache.known.get(child);
            if (!entry)
                entry = entryOf(child);
            known.set(child, entry);
            return entry.html;
        });
        cache.textLengths = children.map(child => known.get(child).textLength);
        cache.known = known;
    }

    // New arrays: the last report's pieces are compared with these. False
    // when a child is not among those known.
    function renewChildren(cache, touched) {
        const children = Array.from(touched);
        const indexes = children.map(child => cache.children.indexOf(child));
        if (indexes.includes(-1))
            return false;
        cache.html = cache.html.slice();
        cache.textLengths = cache.textLengths.slice();
        children.forEach((child, i) => {
            const entry = entryOf(child);
            cache.known.set(child, entry);
            cache.html[indexes[i]] = entry.html;
            cache.textLengths[indexes[i]] = entry.textLength;
        });
        return true;
    }

    function sum(numbers, count) {
        let total = 0;
        for (let i = 0; i < count; ++i)
            total += numbers[i];
        return total;
    }

    // The offset of a point in the element's text; the children before the
    // point's child count by their cached lengths.
    function textOffset(element, container, offset) {
        const cache = refreshCache(element);
        const child = topChild(element, container);
        const index = child ? cache.children.indexOf(child) : offset;
        const range = document.createRange();
        range.setStart(child || element, 0);
        range.setEnd(container, offset);
        return sum(cache.textLengths, index) + (child ? range.toString().length : 0);
    }

    // Where a point lies among the element's children: in child `index`, or
    // (inside false) just before it.
    function childPlace(element, cache, container, offset) {
        const child = topChild(element, container);
        return child ? { index: cache.children.indexOf(child), inside: true } : { index: offset, inside: false };
    }

    // The element's HTML with the caret or selection marked by comments, as
    // the pieces it joins from: the HTML of each child, the children the
    // selection touches in one piece. Built on a copy of those children:
    // touching the live content would move the selection and disturb the
    // undo history.
    function markedHtml(element, range) {
        const cache = refreshCache(element);
        if (!range)
            return cache.html;
        const start = childPlace(element, cache, range.startContainer, range.startOffset);
        const end = childPlace(element, cache, range.endContainer, range.endOffset);
        const first = start.index;
        const last = end.inside ? end.index : end.index - 1;
        const copy = document.createElement("div");
        for (let i = first; i <= last; ++i)
            copy.appendChild(cache.children[i].cloneNode(true));
        // A node's path from its child of the element leads to it in that
        // child's copy. Not a path from the element: finding a child's
        // index among the element's children walks all of them.
        const inCopy = (node, index) => nodeAt(copy.childNodes[index - first], pathTo(cache.children[index], node));
        const endNode = range.endContainer === element ? copy : inCopy(range.endContainer, end.index);
        const endOffset = range.endContainer === element ? range.endOffset - first : range.endOffset;
        const startNode = range.startContainer === element ? copy : inCopy(range.startContainer, start.index);
        const startOffset = range.startContainer === element ? range.startOffset - first : range.startOffset;
        // The end first, so that the start's offset still counts the same nodes.
        insertMarker(endNode, endOffset, END_MARKER);
        insertMarker(startNode, startOffset, START_MARKER);
        return [...cache.html.slice(0, first), copy.innerHTML, ...cache.html.slice(last + 1)];
    }

    function fragmentHtml(range) {
        const holder = document.createElement("div");
        holder.appendChild(range.cloneContents());
        return holder.innerHTML;
    }

    // An element selected on its own, such as a clicked image.
    function selectedElement(range) {
        if (range.startContainer !== range.endContainer || range.endOffset !== range.startOffset + 1)
            return null;
        const node = range.startContainer.childNodes[range.startOffset];
        return node && node.nodeType === Node.ELEMENT_NODE ? node : null;
    }

    // The elements at the caret, outermost first.
    function objectsAt(element, range) {
        const objects = [];
        if (!range)
            return objects;
        let node = range.startContainer;
        if (node.nodeType !== Node.ELEMENT_NODE)
            node = node.parentNode;
        for (; node && node !== element && element.contains(node); node = node.parentNode)
            objects.unshift(node);
        const selected = selectedElement(range);
        if (selected)
            objects.push(selected);
        return objects;
    }

    function attributesOf(node) {
        const map = {};
        for (const attribute of node.attributes)
            map[attribute.name] = attribute.value;
        return map;
    }

    // The style of the text at the caret. Text decorations are not inherited
    // in the computed style, so the lines of every element up to the editor
    // are gathered.
    function currentStyle(element, objects) {
        const target = objects.length ? objects[objects.length - 1] : element;
        const computed = window.getComputedStyle(target);
        const lines = [];
        for (let node = target; node && node !== element.parentNode; node = node.parentNode) {
            const line = window.getComputedStyle(node).textDecorationLine;
            if (line && line !== "none" && !lines.includes(line))
                lines.push(line);
        }
        return {
            "font-weight": parseInt(computed.fontWeight, 10) || 400,
            "font-style": computed.fontStyle,
            "text-decoration": lines.length ? lines.join(" ") : "none",
        };
    }

    function commandStates(element, range) {
        const selected = range !== null && !range.collapsed;
        return {
            canUndo: document.queryCommandEnabled("undo"),
            canRedo: document.queryCommandEnabled("redo"),
            canCut: selected,
            canCopy: selected,
            canPaste: true,
            canSelectAll: sum(cacheOf(element).textLengths, cacheOf(element).textLengths.length) > 0
                || element.querySelector("img") !== null,
        };
    }

    function snapshot(element, state) {
        const range = rangeIn(element);
        const objects = objectsAt(element, range);
        // The program takes the value for the inner HTML too. Both long
        // texts are given as pieces, which the report joins or compares
        // with those it sent last.
        state.pieces = { value: refreshCache(element).html, markedHtml: markedHtml(element, range) };
        state.selectionStart = range ? textOffset(element, range.startContainer, range.startOffset) : 0;
        state.selectionEnd = range ? textOffset(element, range.endContainer, range.endOffset) : 0;
        state.selectionText = range ? range.toString() : "";
        state.selectionHtml = range && !range.collapsed ? fragmentHtml(range) : "";
        state.currentObjects = objects.map(node => node.tagName.toLowerCase());
        state.objectAttributes = objects.map(attributesOf);
        state.currentStyle = currentStyle(element, objects);
        state.commandStates = commandStates(element, range);
    }

    // A summary of the caret's state, to tell when it changed.
    function uiKey(element) {
        const range = rangeIn(element);
        if (!range)
            return "";
        const objects = objectsAt(element, range).map(node => node.tagName).join("/");
        return [textOffset(element, range.startContainer, range.startOffset),
                textOffset(element, range.endContainer, range.endOffset), objects].join(":");
    }

    function ensureFocus(element) {
        widen();
        if (document.activeElement !== element)
            element.focus();
    }

    // --- Typing in one block ---
    // Chromium's work for a typed character grows with the editing host: it
    // lays the host out again and hands input methods the host's whole text.
    // While the user types, the top-level paragraph with the caret becomes
    // the editing host on its own, through a style sheet of the page, so the
    // content itself is untouched. Any other key, a click, a drag or a write
    // of the program gives the whole element back first; so does a key that
    // would reach past the paragraph (Enter, Backspace at its start).
    const NARROW_TAGS = ["P", "H1", "H2", "H3", "H4", "H5", "H6", "PRE"];
    const TYPING_INPUTS = ["insertText", "deleteContentBackward", "deleteContentForward"];
    // Pressed on their own (Shift for a capital); the key they go with decides.
    const MODIFIER_KEYS = ["Shift", "Control", "Alt", "AltGraph", "Meta", "CapsLock"];
    // On once the program has said that no assistive technology reads the
    // page: one would announce the focus moving to the paragraph at every
    // pause in typing.
    let narrowingAllowed = false;
    let narrowed = null; // { element, block }
    let pendingNarrow = 0; // the idle callback that will narrow
    let composing = false;
    let narrowSheet = null;

    function setNarrowingAllowed(allowed) {
        narrowingAllowed = !!allowed;
        if (!narrowingAllowed)
            widen();
    }

    function setEditingHostRules(css) {
        if (!narrowSheet) {
            narrowSheet = document.createElement("style");
            document.head.appendChild(narrowSheet);
        }
        narrowSheet.textContent = css;
    }

    // Moves the focus to `target` and keeps the selection where it was.
    function moveFocus(target, range) {
        const start = [range.startContainer, range.startOffset];
        const end = [range.endContainer, range.endOffset];
        target.focus({ preventScroll: true });
        const now = rangeIn(target);
        if (!now || now.startContainer !== start[0] || now.startOffset !== start[1]
            || now.endContainer !== end[0] || now.endOffset !== end[1]) {
            const kept = document.createRange();
            kept.setStart(start[0], start[1]);
            kept.setEnd(end[0], end[1]);
            select(kept);
        }
    }

    function narrow(element) {
        pendingNarrow = 0;
        if (narrowed || composing || !narrowingAllowed || document.activeElement !== element)
            return;
        const range = rangeIn(element);
        if (!range || !range.collapsed)
            return;
        const block = topChild(element, range.startContainer);
        if (!block || !NARROW_TAGS.includes(block.nodeName))
            return;
        const host = "#" + CSS.escape(element.id);
        const place = Array.prototype.indexOf.call(element.children, block) + 1;
        setEditingHostRules(host + " { -webkit-user-modify: read-only !important; }\n"
                            + host + " > :nth-child(" + place + ") { -webkit-user-modify: read-write !important; }");
        narrowed = { element, block };
        moveFocus(block, range);
    }

    // Also drops a narrowing still to come, which was asked for by typing
    // before the caret, the focus or the text moved.
    function widen() {
        if (pendingNarrow) {
            cancelIdleCallback(pendingNarrow);
            pendingNarrow = 0;
        }
        if (!narrowed)
            return;
        const { element, block } = narrowed;
        narrowed = null;
        const range = rangeIn(element);
        const hadFocus = document.activeElement === block;
        setEditingHostRules("");
        if (hadFocus && range)
            moveFocus(element, range);
        else if (hadFocus)
            element.focus({ preventScroll: true });
    }

    // Whether Chromium handles `event` inside the narrowed paragraph: a
    // character, or a Backspace or Delete with text of the paragraph on
    // its side of the caret; a modifier waits for its key.
    function staysInBlock(event) {
        if (MODIFIER_KEYS.includes(event.key))
            return true;
        const range = rangeIn(narrowed.block);
        // A script's focus() reaches no focusin while the window is inactive.
        if (!range || document.activeElement !== narrowed.block || event.ctrlKey || event.altKey || event.metaKey)
            return false;
        if (event.key.length === 1)
            return true;
        if (!range.collapsed || (event.key !== "Backspace" && event.key !== "Delete"))
            return false;
        const side = document.createRange();
        side.selectNodeContents(narrowed.block);
        if (event.key === "Backspace")
            side.setEnd(range.startContainer, range.startOffset);
        else
            side.setStart(range.endContainer, range.endOffset);
        return side.toString().trim() !== "";
    }

    function initNarrowing(element) {
        element.addEventListener("input", event => {
            if (!narrowed && !pendingNarrow && !composing && TYPING_INPUTS.includes(event.inputType))
                pendingNarrow = requestIdleCallback(() => narrow(element), { timeout: 200 });
        });
        window.addEventListener("keydown", event => {
            if (narrowed && !composing && !event.isComposing && !staysInBlock(event))
                widen();
        }, true);
        for (const type of ["pointerdown", "mousedown", "dragenter", "drop"])
            window.addEventListener(type, widen, true);
        document.addEventListener("selectionchange", () => {
            if (narrowed && !rangeIn(narrowed.block))
                widen();
        });
        // The focus given elsewhere, by a script or by the window coming
        // back to the page.
        document.addEventListener("focusin", event => {
            if (narrowed && event.target !== narrowed.block)
                widen();
        }, true);
        element.addEventListener("compositionstart", () => { composing = true; });
        element.addEventListener("compositionend", () => { composing = false; });
    }

    // Character offsets of the selection in the element's text, to put it
    // back after the nodes it was in have moved.
    function saveSelection(element) {
        const range = rangeIn(element);
        if (!range)
            return null;
        return {
            start: textOffset(element, range.startContainer, range.startOffset),
            end: textOffset(element, range.endContainer, range.endOffset),
        };
    }

    // A start between two text nodes goes into the later one, an end into
    // the earlier one, so the selection holds what it held.
    function pointAt(element, offset, isStart) {
        const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
        let last = null;
        while (walker.nextNode()) {
            last = walker.currentNode;
            if (offset < last.length || (offset === last.length && !isStart))
                return [last, offset];
            offset -= last.length;
        }
        return last ? [last, last.length] : [element, element.childNodes.length];
    }

    function restoreSelection(element, saved) {
        if (!saved)
            return;
        const range = document.createRange();
        range.setStart(...pointAt(element, saved.start, saved.start !== saved.end));
        range.setEnd(...pointAt(element, saved.end, false));
        select(range);
    }

    function renameElement(node, tag) {
        const renamed = document.createElement(tag);
        for (const attribute of node.attributes)
            renamed.setAttribute(attribute.name, attribute.value);
        while (node.firstChild)
            renamed.appendChild(node.firstChild);
        node.replaceWith(renamed);
    }

    function isBlankBlock(node) {
        return node.textContent.trim() === "" && !node.querySelector("img, iframe, video, audio, object, embed, input");
    }

    function textNodes(element) {
        const nodes = [];
        const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
        while (walker.nextNode())
            nodes.push(walker.currentNode);
        return nodes;
    }

    // Where the text before and after a command agree, from the start and
    // from the end, an &nbsp; the command made of a plain space is a plain
    // space again. True when one was.
    function restorePlainSpaces(element, before) {
        const nodes = textNodes(element);
        const after = nodes.map(node => node.data).join("");
        const same = (now, was) => now === was || (now === NBSP && was === " ");
        let prefix = 0;
        while (prefix < after.length && prefix < before.length && same(after[prefix], before[prefix]))
            ++prefix;
        let suffix = 0;
        while (suffix < after.length - prefix && suffix < before.length - prefix
               && same(after[after.length - 1 - suffix], before[before.length - 1 - suffix]))
            ++suffix;
        const wasSpace = at => at < prefix ? before[at] === " "
                                           : at >= after.length - suffix && before[at - after.length + before.length] === " ";
        let changed = false;
        let offset = 0;
        for (const node of nodes) {
            let data = "";
            for (let i = 0; i < node.data.length; ++i)
                data += node.data[i] === NBSP && wasSpace(offset + i) ? " " : node.data[i];
            offset += node.data.length;
            if (data !== node.data) {
                node.data = data;
                changed = true;
            }
        }
        return changed;
    }

    // Takes `child` out of `block`: what stood before it stays in `block`,
    // what stood after goes into a copy of `block` after it; a part left
    // empty goes, and so do the line breaks that separated the parts.
    function splitAround(block, child) {
        const after = block.cloneNode(false);
        while (child.nextSibling)
            after.appendChild(child.nextSibling);
        block.after(child);
        child.after(after);
        if (block.lastChild && block.lastChild.nodeName === "BR")
            block.lastChild.remove();
        if (after.firstChild && after.firstChild.nodeName === "BR")
            after.firstChild.remove();
        for (const part of [block, after]) {
            if (isBlankBlock(part))
                part.remove();
        }
    }

    // A list inside a paragraph (Chromium's list command leaves it there)
    // or inside inline markup is taken out of it; a list right inside a list
    // (the indent command's) goes into the item before it.
    function liftList(element, list) {
        for (let parent = list.parentNode; parent !== element && !LIST_HOLDERS.includes(parent.nodeName);
             parent = list.parentNode) {
            if (parent.nodeName === "UL" || parent.nodeName === "OL") {
                const item = list.previousElementSibling;
                if (item && item.nodeName === "LI")
                    item.appendChild(list);
                return;
            }
            splitAround(parent, list);
        }
    }

    // Chromium's commands make obsolete or presentational markup: <strike>,
    // indents as styled blockquotes, lists in paragraphs, and &nbsp; for
    // plain spaces next to what they changed. The command runs and its
    // result is made plain; the elements and text that were there before,
    // and did not move, stay as they were.
    function runPlain(element, command) {
        const elements = new Map(Array.from(element.querySelectorAll("*"), node => [node, node.parentNode]));
        const text = element.textContent;

        command();

        const saved = saveSelection(element);
        let changed = restorePlainSpaces(element, text);
        for (const node of Array.from(element.querySelectorAll("*"))) {
            const created = !elements.has(node);
            const moved = !created && elements.get(node) !== node.parentNode;
            if (created && node.nodeName === "STRIKE") {
                renameElement(node, "s");
                changed = true;
            } else if (created && node.nodeName === "BLOCKQUOTE" && node.hasAttribute("style")) {
                node.removeAttribute("style");
                changed = true;
            } else if ((created || moved) && (node.nodeName === "UL" || node.nodeName === "OL")) {
                liftList(element, node);
                changed = true;
            }
        }
        if (!changed)
            return;
        restoreSelection(element, saved);
        element.dispatchEvent(new InputEvent("input", { bubbles: true }));
    }

    // Inline tags without an edit command of their own (code, kbd, ...): an
    // enclosing one is unwrapped, else the selection is wrapped in one.
    function toggleInlineTag(element, tag) {
        const range = rangeIn(element);
        if (!range)
            return;
        let node = range.commonAncestorContainer;
        if (node.nodeType !== Node.ELEMENT_NODE)
            node = node.parentNode;
        const enclosing = node.closest(tag);
        if (enclosing && enclosing !== element && element.contains(enclosing)) {
            // Chromium would put replacing text back inside the element.
            const saved = saveSelection(element);
            enclosing.replaceWith(...enclosing.childNodes);
            element.normalize();
            restoreSelection(element, saved);
            element.dispatchEvent(new InputEvent("input", { bubbles: true }));
        } else if (!range.collapsed) {
            document.execCommand("insertHTML", false, "<" + tag + ">" + fragmentHtml(range) + "</" + tag + ">");
        }
    }

    function toggleSpan(element, tag) {
        ensureFocus(element);
        const name = String(tag).toLowerCase();
        runPlain(element, () => {
            if (name in INLINE_COMMANDS)
                document.execCommand(INLINE_COMMANDS[name]);
            else if (/^[a-z][a-z0-9]*$/.test(name))
                toggleInlineTag(element, name);
        });
    }

    // "ul/li" and "ol/li" make list items; a block tag formats the block.
    function setBlock(element, spec) {
        ensureFocus(element);
        const name = String(spec).toLowerCase();
        runPlain(element, () => {
            if (name === "ul/li" || name === "ul")
                document.execCommand("insertUnorderedList");
            else if (name === "ol/li" || name === "ol")
                document.execCommand("insertOrderedList");
            else if (BLOCK_TAGS.includes(name))
                document.execCommand("formatBlock", false, "<" + name + ">");
        });
    }

    function setCurrentObjectAttributes(element, index, attributes) {
        const objects = objectsAt(element, rangeIn(element));
        const target = objects[index];
        if (!target)
            return;
        for (const name of Object.keys(attributes || {})) {
            const value = attributes[name];
            if (value === null || value === undefined)
                target.removeAttribute(name);
            else
                target.setAttribute(name, String(value));
        }
        // A change made outside the edit commands: say so, as typing would.
        element.dispatchEvent(new InputEvent("input", { bubbles: true }));
    }

    // The markup goes in as given. Chromium gives the inserted elements the
    // page's colours as style attributes; their own styles are put back
    // afterwards on the marked elements.
    function insertHtml(element, html) {
        ensureFocus(element);
        const holder = document.createElement("template");
        holder.innerHTML = html;
        for (const node of holder.content.querySelectorAll("*"))
            node.setAttribute("data-tidrel-insert", node.getAttribute("style") || "");
        runPlain(element, () => document.execCommand("insertHTML", false, holder.innerHTML));
        for (const node of element.querySelectorAll("[data-tidrel-insert]")) {
            const style = node.getAttribute("data-tidrel-insert");
            if (style)
                node.setAttribute("style", style);
            else
                node.removeAttribute("style");
            node.removeAttribute("data-tidrel-insert");
        }
        element.dispatchEvent(new InputEvent("input", { bubbles: true }));
    }

    function escapeHtml(text) {
        const holder = document.createElement("span");
        holder.textContent = text;
        return holder.innerHTML;
    }

    // Chromium puts a new link inside the bold or italic around the
    // selected text; the link goes around them instead, where they are all
    // it holds, so that the link has the formatting inside it.
    function wrapFormatting(element, link) {
        for (let parent = link.parentNode; parent !== element && parent.childNodes.length === 1
             && window.getComputedStyle(parent).display === "inline" && parent.nodeName !== "A";
             parent = link.parentNode) {
            parent.replaceWith(link);
            parent.append(...link.childNodes);
            link.appendChild(parent);
        }
    }

    // A link around the selection, which keeps its markup inside the link;
    // on a bare caret, a link that shows its address. `attributes` are the
    // link's (href first).
    function insertLink(element, attributes) {
        ensureFocus(element);
        const range = rangeIn(element);
        if (!range)
            return;
        const mark = "tidrel:new-link";
        if (range.collapsed)
            insertHtml(element, "<a href=\"" + mark + "\">" + escapeHtml(attributes.href || "") + "</a>");
        else
            runPlain(element, () => document.execCommand("createLink", false, mark));
        for (const link of element.querySelectorAll("a[href='" + mark + "']")) {
            for (const name of Object.keys(attributes))
                link.setAttribute(name, String(attributes[name]));
            wrapFormatting(element, link);
        }
        element.dispatchEvent(new InputEvent("input", { bubbles: true }));
    }

    // Runs `change` with the input events it raises held back, and raises
    // one if there were any: a command and the tidying after it are one
    // edit, which the program stores as one undo step.
    function asOneEdit(element, change) {
        let edited = false;
        const holdBack = event => {
            if (event.target !== element)
                return;
            edited = true;
            event.stopImmediatePropagation();
        };
        window.addEventListener("input", holdBack, true);
        try {
            change();
        } finally {
            window.removeEventListener("input", holdBack, true);
        }
        if (edited)
            element.dispatchEvent(new InputEvent("input", { bubbles: true }));
    }

    function call(element, method, args) {
        widen();
        asOneEdit(element, () => callNow(element, method, args));
    }

    function callNow(element, method, args) {
        switch (method) {
        case "toggleSpan":
            toggleSpan(element, args[0]);
            break;
        case "setBlock":
            setBlock(element, args[0]);
            break;
        case "insertHtml":
            insertHtml(element, String(args[0]));
            break;
        case "insertLink":
            insertLink(element, args[0] || {});
            break;
        case "setCurrentObjectAttributes":
            setCurrentObjectAttributes(element, args[0], args[1]);
            break;
        }
    }

    // --- Toolbar ---

    const TOOLBAR_ACTIONS = {
        "cut": () => document.execCommand("cut"),
        "copy": () => document.execCommand("copy"),
        "paste": () => document.execCommand("paste"),
        "strong": element => toggleSpan(element, "strong"),
        "em": element => toggleSpan(element, "em"),
        "code": element => toggleSpan(element, "code"),
        "li-ul": element => setBlock(element, "ul/li"),
        "li-ol": element => setBlock(element, "ol/li"),
        "indent-inc": element => runPlain(element, () => document.execCommand("indent")),
        "indent-dec": element => runPlain(element, () => document.execCommand("outdent")),
        "show-rulers": element => element.classList.toggle("rulers"),
    };

    function runToolbarCommand(element, command) {
        ensureFocus(element);
        asOneEdit(element, () => {
            if (command in TOOLBAR_ACTIONS)
                TOOLBAR_ACTIONS[command](element);
            else if (BLOCK_TAGS.includes(command))
                setBlock(element, command);
        });
    }

    function toolbarOf(element) {
        return element.dataset.toolbar ? document.getElementById(element.dataset.toolbar) : null;
    }

    function commandButtons(toolbar) {
        return Array.from(toolbar.querySelectorAll("[data-command^='richtext:']"));
    }

    // Checked and disabled looks of the command buttons, from the caret.
    function refreshToolbar(element) {
        const toolbar = toolbarOf(element);
        if (!toolbar)
            return;
        const range = rangeIn(element);
        const inside = range !== null;
        // Chromium finds no block format when the block is the editing host.
        const block = !inside ? "" : narrowed ? narrowed.block.nodeName.toLowerCase()
                                              : String(document.queryCommandValue("formatBlock")).toLowerCase();
        const objects = objectsAt(element, range).map(node => node.tagName.toLowerCase());
        const checked = {
            "strong": inside && document.queryCommandState("bold"),
            "em": inside && document.queryCommandState("italic"),
            "code": objects.includes("code"),
            "li-ul": inside && document.queryCommandState("insertUnorderedList"),
            "li-ol": inside && document.queryCommandState("insertOrderedList"),
            "show-rulers": element.classList.contains("rulers"),
        };
        const enabled = {
            "cut": inside && !range.collapsed,
            "copy": inside && !range.collapsed,
        };
        for (const button of commandButtons(toolbar)) {
            const command = button.dataset.command.slice("richtext:".length);
            const on = command in checked ? checked[command] : BLOCK_TAGS.includes(command) && block === command;
            button.classList.toggle("checked", !!on);
            button.classList.toggle("disabled", command in enabled && !enabled[command]);
        }
    }

    function init(element) {
        // Enter starts a paragraph, as the stored descriptions have them.
        document.execCommand("defaultParagraphSeparator", false, "p");
        initNarrowing(element);
        // A click on an image selects it, so that it becomes the current object.
        element.addEventListener("click", event => {
            if (event.target.tagName === "IMG" && element.contains(event.target)) {
                const range = document.createRange();
                range.selectNode(event.target);
                select(range);
            }
        });
        const toolbar = toolbarOf(element);
        if (!toolbar)
            return;
        // Toolbar clicks leave the focus and the selection in the editor.
        toolbar.addEventListener("mousedown", event => event.preventDefault());
        toolbar.addEventListener("click", event => {
            const button = event.target.closest("[data-command^='richtext:']");
            if (button && !button.classList.contains("disabled"))
                runToolbarCommand(element, button.dataset.command.slice("richtext:".length));
        });
    }

    return { init, snapshot, uiKey, call, refreshToolbar, widen, setNarrowingAllowed };
})();
