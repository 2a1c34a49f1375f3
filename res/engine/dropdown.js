"use strict";

// Editable drop-downs: a text field with a list of options below it.
//
//   <span id="..." class="dropdown" data-behavior="dropdown">
//     <input class="dropdown-edit"> <button class="dropdown-button"></button>
//     <ul class="popup"><li class="option">...</li></ul>
//   </span>
//
// Typing raises an "input" event as any field does; picking an option from
// the list raises "tidrel-select" on the drop-down. Typing never adds an
// option: only the program does, so the list can hold thousands of links
// without every report carrying them.
const TidrelDropdown = (function () {
    // The option texts of each drop-down, for a quick test before appending.
    const knownTexts = new WeakMap();
    function edit(box) {
        return box.querySelector(".dropdown-edit");
    }

    function popup(box) {
        return box.querySelector(".popup");
    }

    function optionElements(box) {
        const list = popup(box);
        return list ? Array.from(list.querySelectorAll(".option")) : [];
    }

    function options(box) {
        return optionElements(box).map(option => option.textContent);
    }

    function textsOf(box) {
        let texts = knownTexts.get(box);
        if (!texts) {
            texts = new Set(options(box));
            knownTexts.set(box, texts);
        }
        return texts;
    }

    // Appends, in order, the texts no option has yet.
    function appendOptions(box, texts) {
        const list = popup(box);
        if (!list)
            return;
        const known = textsOf(box);
        const added = document.createDocumentFragment();
        for (const text of texts) {
            if (known.has(text))
                continue;
            known.add(text);
            const option = document.createElement("li");
            option.className = "option";
            option.textContent = text;
            added.appendChild(option);
        }
        list.appendChild(added);
    }

    function setValue(box, value) {
        edit(box).value = value === null || value === undefined ? "" : String(value);
    }

    function isOpen(box) {
        return box.classList.contains("open");
    }

    function highlighted(box) {
        return box.querySelector(".option.current");
    }

    function highlight(box, option) {
        const previous = highlighted(box);
        if (previous && previous !== option)
            previous.classList.remove("current");
        if (option) {
            option.classList.add("current");
            option.scrollIntoView({ block: "nearest" });
        }
    }

    function open(box) {
        if (optionElements(box).length === 0)
            return;
        box.classList.add("open");
        const value = edit(box).value;
        highlight(box, optionElements(box).find(option => option.textContent === value) || null);
    }

    function close(box) {
        box.classList.remove("open");
    }

    function pick(box, option) {
        setValue(box, option.textContent);
        close(box);
        box.dispatchEvent(new CustomEvent("tidrel-select", { bubbles: true }));
    }

    function moveHighlight(box, step) {
        const all = optionElements(box);
        if (!isOpen(box)) {
            open(box);
            return;
        }
        const index = all.indexOf(highlighted(box));
        const next = Math.max(0, Math.min(all.length - 1, index + step));
        highlight(box, all[next]);
    }

    function onKeyDown(box, event) {
        switch (event.key) {
        case "ArrowDown":
            moveHighlight(box, 1);
            break;
        case "ArrowUp":
            moveHighlight(box, -1);
            break;
        case "Enter":
            if (isOpen(box) && highlighted(box))
                pick(box, highlighted(box));
            break;
        case "Escape":
            close(box);
            break;
        default:
            return;
        }
        event.preventDefault();
    }

    function init(box) {
        const field = edit(box);
        const button = box.querySelector(".dropdown-button");
        const list = popup(box);

        // Clicks on the button and the list keep the focus in the field.
        button.addEventListener("mousedown", event => {
            event.preventDefault();
            field.focus();
            isOpen(box) ? close(box) : open(box);
        });
        list.addEventListener("mousedown", event => {
            event.preventDefault();
            const option = event.target.closest(".option");
            if (option)
                pick(box, option);
        });
        list.addEventListener("mousemove", event => {
            const option = event.target.closest(".option");
            if (option)
                highlight(box, option);
        });
        field.addEventListener("keydown", event => onKeyDown(box, event));
        field.addEventListener("blur", () => close(box));
    }

    // The field's text stands for the drop-down's content; its options are
    // listed only when asked for.
    function snapshot(box, state, withOptions) {
        state.value = edit(box).value;
        state.text = state.value;
        const holder = document.createElement("span");
        holder.textContent = state.value;
        state.html = holder.innerHTML;
        if (withOptions)
            state.options = options(box);
    }

    return { init, snapshot, setValue, appendOptions, edit };
})();
