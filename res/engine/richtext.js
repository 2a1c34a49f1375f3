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

    // The element's HTML with the caret or selection marked by comments.
    // Built on a copy: touching the live content would move the selection
    // and disturb the undo history.
    function markedHtml(element, range) {
        if (!range)
            return element.innerHTML;
        const copy = element.cloneNode(true);
        const start = nodeAt(copy, pathTo(element, range.startContainer));
        const end = nodeAt(copy, pathTo(element, range.endContainer));
        // The end first, so that the start's offset still counts the same nodes.
        insertMarker(end, range.endOffset, END_MARKER);
        insertMarker(start, range.startOffset, START_MARKER);
        return copy.innerHTML;
    }

    function textOffset(element, container, offset) {
        const range = document.createRange();
        range.setStart(element, 0);
        range.setEnd(container, offset);
        return range.toString().length;
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
            canSelectAll: element.textContent.length > 0 || element.querySelector("img") !== null,
        };
    }

    function snapshot(element, state) {
        const range = rangeIn(element);
        const objects = objectsAt(element, range);
        state.value = element.innerHTML;
        state.html = state.value;
        state.text = element.innerText;
        state.markedHtml = markedHtml(element, range);
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
        if (document.activeElement !== element)
            element.focus();
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
            const whole = document.createRange();
            whole.selectNode(enclosing);
            select(whole);
            document.execCommand("insertHTML", false, enclosing.innerHTML);
        } else if (!range.collapsed) {
            document.execCommand("insertHTML", false, "<" + tag + ">" + fragmentHtml(range) + "</" + tag + ">");
        }
    }

    function toggleSpan(element, tag) {
        ensureFocus(element);
        const name = String(tag).toLowerCase();
        if (name in INLINE_COMMANDS)
            document.execCommand(INLINE_COMMANDS[name]);
        else if (/^[a-z][a-z0-9]*$/.test(name))
            toggleInlineTag(element, name);
    }

    // "ul/li" and "ol/li" make list items; a block tag formats the block.
    function setBlock(element, spec) {
        ensureFocus(element);
        const name = String(spec).toLowerCase();
        if (name === "ul/li" || name === "ul")
            document.execCommand("insertUnorderedList");
        else if (name === "ol/li" || name === "ol")
            document.execCommand("insertOrderedList");
        else if (BLOCK_TAGS.includes(name))
            document.execCommand("formatBlock", false, "<" + name + ">");
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

    // The markup goes in as given. Chromium takes a floating element (an
    // image with align="left") for a block and would split the paragraph
    // around it, so such elements go in without their align; and it gives
    // the inserted elements the page's colours as style attributes. Both
    // are put right afterwards on the marked elements.
    function insertHtml(element, html) {
        ensureFocus(element);
        const holder = document.createElement("template");
        holder.innerHTML = html;
        const inserted = holder.content.querySelectorAll("*");
        for (const node of inserted) {
            node.setAttribute("data-tidrel-insert", node.getAttribute("style") || "");
            if (node.hasAttribute("align")) {
                node.setAttribute("data-tidrel-align", node.getAttribute("align"));
                node.removeAttribute("align");
            }
        }
        document.execCommand("insertHTML", false, holder.innerHTML);
        if (!inserted.length)
            return;
        for (const node of element.querySelectorAll("[data-tidrel-insert]")) {
            const style = node.getAttribute("data-tidrel-insert");
            if (style)
                node.setAttribute("style", style);
            else
                node.removeAttribute("style");
            node.removeAttribute("data-tidrel-insert");
            if (node.hasAttribute("data-tidrel-align")) {
                node.setAttribute("align", node.getAttribute("data-tidrel-align"));
                node.removeAttribute("data-tidrel-align");
            }
        }
        element.dispatchEvent(new InputEvent("input", { bubbles: true }));
    }

    function call(element, method, args) {
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
        "undo": () => document.execCommand("undo"),
        "redo": () => document.execCommand("redo"),
        "strong": element => toggleSpan(element, "strong"),
        "em": element => toggleSpan(element, "em"),
        "code": element => toggleSpan(element, "code"),
        "li-ul": element => setBlock(element, "ul/li"),
        "li-ol": element => setBlock(element, "ol/li"),
        "indent-inc": () => document.execCommand("indent"),
        "indent-dec": () => document.execCommand("outdent"),
        "show-rulers": element => element.classList.toggle("rulers"),
    };

    function runToolbarCommand(element, command) {
        ensureFocus(element);
        if (command in TOOLBAR_ACTIONS)
            TOOLBAR_ACTIONS[command](element);
        else if (BLOCK_TAGS.includes(command))
            setBlock(element, command);
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
        const block = inside ? String(document.queryCommandValue("formatBlock")).toLowerCase() : "";
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
            "undo": document.queryCommandEnabled("undo"),
            "redo": document.queryCommandEnabled("redo"),
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

    return { init, snapshot, uiKey, call, refreshToolbar };
})();
