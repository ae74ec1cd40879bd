// Auto scroll: scrolls the page slowly downwards, or stops when it already
// does. A click, a key, the wheel or the page's end stop it too. The result is
// whether the page scrolls now.
(function () {
  'use strict';
  if (window.__autoScrollStop) {
    window.__autoScrollStop();
    return false;
  }
  const scroller = document.scrollingElement || document.documentElement;
  if (!scroller)
    return false;
  const stoppers = ['mousedown', 'keydown', 'wheel'];
  let timer = 0;
  const stop = function () {
    clearInterval(timer);
    for (const type of stoppers)
      removeEventListener(type, stop, true);
    delete window.__autoScrollStop;
  };
  // A pixel every 20 ms, until the end of the page.
  timer = setInterval(function () {
    if (Math.ceil(scroller.scrollTop + scroller.clientHeight) >= scroller.scrollHeight) {
      stop();
      return;
    }
    window.scrollBy(0, 1);
  }, 20);
  for (const type of stoppers)
    addEventListener(type, stop, true);
  window.__autoScrollStop = stop;
  return true;
})();
