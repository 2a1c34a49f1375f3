// A web link without a title of its own shows its address as its tooltip.
// Runs at the end of the page, when its links are there.
"use strict";

for (const link of document.querySelectorAll("a[href^='http:'], a[href^='https:']")) {
    if (!link.hasAttribute("title"))
        link.title = link.getAttribute("href");
}
