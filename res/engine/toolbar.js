// A toolbar (role="toolbar") is one stop for Tab: its buttons take no Tab
// stop of their own but the one last used, and the arrow keys, Home and
// End move between them, as toolbars of desktop programs do. Enter and
// Space press the button as usual.
"use strict";

(function () {
    function buttonsOf(toolbar) {
        return Array.from(toolbar.querySelectorAll("button"));
    }

    function makeCurrent(toolbar, button) {
        for (const other of buttonsOf(toolbar))
            other.tabIndex = other === button ? 0 : -1;
    }

    function onKeyDown(toolbar, event) {
        const buttons = buttonsOf(toolbar);
        const at = buttons.indexOf(document.activeElement);
        if (at < 0)
            return;
        const steps = { ArrowRight: at + 1, ArrowDown: at + 1, ArrowLeft: at - 1, ArrowUp: at - 1,
                        Home: 0, End: buttons.length - 1 };
        if (!(event.key in steps))
            return;
        event.preventDefault();
        const next = buttons[(steps[event.key] + buttons.length) % buttons.length];
        makeCurrent(toolbar, next);
        next.focus();
    }

    function init(toolbar) {
        const buttons = buttonsOf(toolbar);
        if (buttons.length > 0)
            makeCurrent(toolbar, buttons[0]);
        toolbar.addEventListener("keydown", event => onKeyDown(toolbar, event));
        toolbar.addEventListener("focusin", event => {
            if (buttons.includes(event.target))
                makeCurrent(toolbar, event.target);
        });
    }

    function start() {
        for (const toolbar of document.querySelectorAll("[role='toolbar']"))
            init(toolbar);
    }

    if (document.readyState === "loading")
        document.addEventListener("DOMContentLoaded", start);
    else
        start();
})();
