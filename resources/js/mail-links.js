// Tell a friend: the addresses of the top-level document's links, in their
// order.
(function () {
  'use strict';
  return Array.from(document.links, function (link) { return link.href; });
})();
