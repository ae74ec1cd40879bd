// View the text: the text of the top-level document's body as it reads on
// the screen; null when the document has no body.
(function () {
  'use strict';
  return document.body ? document.body.innerText : null;
})();
