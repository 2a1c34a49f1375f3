// Every element of the page that shows text of its own, and every link:
// "selector|#text|#background", the colours as the page computes them, the
// background the nearest one painted under the element.
(function () {
    function hex(css) {
        const v = (css.match(/[\d.]+/g) || []).map(Number);
        if (v.length < 3 || (v.length > 3 && v[3] === 0))
            return null;
        return "#" + v.slice(0, 3).map(n => n.toString(16).padStart(2, "0")).join("");
    }
    function background(element) {
        for (; element; element = element.parentElement) {
            const color = hex(getComputedStyle(element).backgroundColor);
            if (color)
                return color;
        }
        return "none";
    }
    function name(element) {
        return element.tagName.toLowerCase() + (element.id ? "#" + element.id : "")
            + (element.className && typeof element.className === "string" ? "." + element.className.trim().replace(/\s+/g, ".") : "");
    }
    const found = [];
    for (const element of document.querySelectorAll("body *")) {
        const ownText = Array.from(element.childNodes).some(node => node.nodeType === 3 && node.textContent.trim());
        const shown = element.getClientRects().length > 0 && getComputedStyle(element).visibility === "visible";
        if ((ownText || element.tagName === "A") && shown && !element.closest(".disabled"))
            found.push(name(element) + "|" + hex(getComputedStyle(element).color) + "|" + background(element));
    }
    const editor = document.getElementById("richtext_edit");
    if (editor && editor.innerHTML === "")
        found.push("richtext hint|" + hex(getComputedStyle(editor, "::before").color) + "|" + background(editor));
    return found;
})()
