// Clone: the top-level document's anchors that have an address, in their
// order, each with its address and its text.
(function () {
  'use strict';
  return Array.from(document.links)
    .filter(function (link) {
      return link instanceof HTMLAnchorElement && link.getAttribute('href');
    })
    .map(function (link) {
      return { address: link.href, text: link.innerText || '' };
    });
})();
