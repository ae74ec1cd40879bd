// Edit mode: switches the top-level document's design mode on when it is
// off and off when it is on; the result is the mode now ("on" or "off").
(function () {
  'use strict';
  document.designMode = document.designMode === 'on' ? 'off' : 'on';
  return document.designMode;
})();
