// The cookie editor: the top-level document's cookies as the page sees them
// ("a=1; b=2"); null when the document may not have any.
(function () {
  'use strict';
  try {
    return String(document.cookie);
  } catch (e) {
    return null;
  }
})();
