// What the page properties show beyond what the engine tells by itself: the
// document's type and character set, its size in bytes and its last change.
(function () {
  'use strict';
  const navigation = (performance.getEntriesByType('navigation') || [])[0];
  let size = navigation ? navigation.decodedBodySize : 0;
  if (!size && document.documentElement)
    size = new Blob([document.documentElement.outerHTML]).size;
  return {
    type: document.contentType || '',
    charset: document.characterSet || '',
    size: size,
    modified: document.lastModified || '',
  };
})();
