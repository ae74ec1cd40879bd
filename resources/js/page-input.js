// Reports the user's clicks, focus and Enter keys in a page to the browser,
// which needs them to tell a window the user asked for from a pop-up.
// Runs in its own world: the page can neither see nor imitate it.
(function () {
  'use strict';
  const token = '%TOKEN%';
  const ids = new WeakMap();
  let next = 1;
  const maxText = 4000;

  function describe(element) {
    if (!element || element.nodeType !== 1)
      return null;
    let id = ids.get(element);
    if (!id) {
      id = String(next++);
      ids.set(element, id);
    }
    let text = '';
    try {
      text = element.innerText || '';
    } catch (e) {
      text = '';
    }
    if (text.length > maxText)
      text = text.slice(0, maxText);
    return { id: id, tag: String(element.tagName || '').toUpperCase(), text: text };
  }

  function report(kind, fields) {
    const message = Object.assign({ kind: kind }, fields);
    console.debug(token + JSON.stringify(message));
  }

  function activeElement() {
    return document.activeElement || document.body;
  }

  function linkOf(element) {
    return element && element.closest ? element.closest('a[href]') : null;
  }

  document.addEventListener('focusin', function (event) {
    report('focus', { element: describe(event.target) });
  }, true);

  document.addEventListener('focusout', function (event) {
    report('focus', { element: describe(event.relatedTarget || document.body) });
  }, true);

  document.addEventListener('mouseup', function (event) {
    // A middle click opens a link as a new Page: the link is what the user
    // chose, so it takes the focus as a left click would.
    if (event.button === 1) {
      const link = linkOf(event.target);
      if (link && link !== document.activeElement)
        link.focus();
    }
    report('release', { element: describe(event.target) });
  }, true);

  document.addEventListener('keydown', function (event) {
    if (event.key !== 'Enter' || event.isComposing)
      return;
    const active = activeElement();
    const ctrl = event.ctrlKey;
    report('enter', { element: describe(active), ctrl: ctrl });
    if (ctrl && active && active.tagName === 'TEXTAREA' && active.form) {
      event.preventDefault();
      event.stopPropagation();
      report('submitted', {});
      // Through the prototype: a field named "submit" must not hide it.
      HTMLFormElement.prototype.requestSubmit.call(active.form);
    }
  }, true);
})();
