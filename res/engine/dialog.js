"use strict";

// Pages shown as dialogs (CHtmlDialog). Their named controls give and take
// values by control type; a click on a named button, a link or the page's
// background, and the page's size, are sent to the program as notices.
// Enter and Esc press the buttons with the roles "default-button" and
// "cancel-button". Loaded after engine.js.
(function () {
    // Named elements that are no control give and take no value.
    function controlType(element) {
        const tag = element.tagName;
        const type = (element.getAttribute("type") || "").toLowerCase();
        if (tag === "INPUT") {
            if (type === "hidden")
                return "unknown";
            if (["button", "submit", "reset"].includes(type))
                return "button";
            if (type === "checkbox" || type === "radio")
                return type;
            return "value";
        }
        if (tag === "BUTTON")
            return "button";
        if (tag === "SELECT" || tag === "TEXTAREA")
            return "value";
        if (element.isContentEditable)
            return "html";
        return "";
    }

    // The boxes or radio buttons of one name beside the element.
    function group(element, type) {
        const name = CSS.escape(element.getAttribute("name"));
        return Array.from(element.parentElement.querySelectorAll(`[type='${type}'][name='${name}']`));
    }

    // null stands for "no value" (JSON has no undefined).
    function valueOf(element, type) {
        switch (type) {
        case "unknown":
            return element.getAttribute("type").toLowerCase() === "hidden" ? element.getAttribute("value") || "" : null;
        case "button":
            return element.getAttribute("value") || "";
        case "checkbox": {
            // One box is on or off; several make a mask, bit i for box i.
            const boxes = group(element, "checkbox");
            if (boxes.length === 1)
                return boxes[0].checked;
            return boxes.reduce((mask, box, i) => box.checked ? mask | (1 << i) : mask, 0);
        }
        case "radio": {
            const index = group(element, "radio").findIndex(radio => radio.checked);
            return index < 0 ? null : index;
        }
        case "html":
            return element.innerHTML;
        default:
            return element.value;
        }
    }

    // Of several elements with one name, the first one's value counts.
    function collectValues() {
        const values = {};
        for (const element of document.querySelectorAll("[name]")) {
            const name = element.getAttribute("name");
            const type = controlType(element);
            if (type && !Object.prototype.hasOwnProperty.call(values, name))
                values[name] = valueOf(element, type);
        }
        return values;
    }

    function asInteger(value) {
        if (typeof value === "boolean")
            return value ? 1 : 0; // a single box's own value, given back
        return Number.isInteger(value) ? value : null;
    }

    function applyValue(name, value) {
        const element = Array.from(document.querySelectorAll(`[name='${CSS.escape(name)}']`))
            .find(candidate => controlType(candidate) !== "");
        if (!element)
            return;
        const type = controlType(element);
        switch (type) {
        case "unknown":
        case "button":
            break;
        case "checkbox": {
            const boxes = group(element, "checkbox");
            const mask = asInteger(value);
            boxes.forEach((box, i) => {
                box.checked = mask !== null && (boxes.length === 1 ? mask !== 0 : (mask & (1 << i)) !== 0);
            });
            break;
        }
        case "radio": {
            const radio = group(element, "radio")[asInteger(value) || 0];
            if (radio)
                radio.checked = true;
            break;
        }
        case "html":
            element.innerHTML = value === null || value === undefined ? "" : String(value);
            break;
        default:
            element.value = value === null || value === undefined ? "" : String(value);
        }
    }

    // The page's size without wrapping: its widest line, then its height at
    // that width.
    function measure() {
        const root = document.documentElement;
        const saved = root.style.width;
        root.style.width = "max-content";
        const width = Math.ceil(root.getBoundingClientRect().width);
        root.style.width = width + "px";
        const height = Math.ceil(Math.max(root.getBoundingClientRect().height, root.scrollHeight));
        root.style.width = saved;
        TidrelEngine.notify({ kind: "size", width: width, height: height, title: document.title });
    }

    TidrelEngine.pageOps.applyValues = op => {
        for (const name of Object.keys(op.values || {}))
            applyValue(name, op.values[name]);
    };
    TidrelEngine.pageOps.measure = measure;

    function pressRole(role) {
        const button = document.querySelector(`[role='${role}']`);
        if (button)
            button.click();
        return button !== null;
    }

    document.addEventListener("keydown", event => {
        const multiLine = event.target.tagName === "TEXTAREA" || event.target.isContentEditable;
        if ((event.key === "Enter" && !multiLine && pressRole("default-button"))
            || (event.key === "Escape" && pressRole("cancel-button")))
            event.preventDefault();
    }, true);

    document.addEventListener("click", event => {
        const button = event.target.closest("button[name], input[name][type='button'], input[name][type='submit']");
        if (button) {
            event.preventDefault();
            TidrelEngine.notify({ kind: "button", name: button.getAttribute("name"), values: collectValues() });
            return;
        }
        const link = event.target.closest("a[href]");
        if (link) {
            event.preventDefault();
            TidrelEngine.notify({ kind: "link", href: link.href });
        }
    }, true);

    // A press on what is no control (text, pictures, the background) moves
    // the window.
    document.addEventListener("mousedown", event => {
        if (event.button !== 0 || event.target.closest("input, select, textarea, button, a[href], [contenteditable]"))
            return;
        event.preventDefault();
        TidrelEngine.notify({ kind: "drag" });
    }, true);

    // A picture that arrives may change the page's size.
    document.addEventListener("load", event => {
        if (event.target.tagName === "IMG")
            TidrelEngine.notify({ kind: "loaded" });
    }, true);
})();
