// The text of the top-level document as find and highlight see it: the text
// nodes of the body in document order (not those of scripts, styles and form
// fields), one string of all of them, and where each node starts in it.
// Kept per document until the document changes. Shared by the find scripts,
// which run after it in the browser's own world (where it stays, made once
// per document).
if (!window.vesperalFindText) window.vesperalFindText = (function () {
  'use strict';
  const skipped = new Set(['SCRIPT', 'STYLE', 'NOSCRIPT', 'TEXTAREA', 'TITLE', 'TEMPLATE', 'SELECT', 'OPTION']);
  // Text in different blocks is apart, as a line break would keep it.
  const blocks = new Set(['P', 'DIV', 'LI', 'UL', 'OL', 'DL', 'DT', 'DD', 'TD', 'TH', 'TR', 'TABLE', 'CAPTION',
                          'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'PRE', 'BLOCKQUOTE', 'ADDRESS', 'SECTION', 'ARTICLE',
                          'ASIDE', 'HEADER', 'FOOTER', 'NAV', 'MAIN', 'FIGURE', 'FIGCAPTION', 'FORM', 'FIELDSET',
                          'LEGEND', 'CENTER', 'HR', 'BODY', 'BUTTON', 'LABEL']);
  let cache = null;
  let observer = null;

  // The body of an ordinary document; none for a frameset page.
  function body() {
    const b = document.body;
    return b && b.tagName === 'BODY' ? b : null;
  }

  function build(root) {
    const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT, {
      acceptNode(node) {
        for (let p = node.parentNode; p && p !== root; p = p.parentNode) {
          if (skipped.has(p.nodeName))
            return NodeFilter.FILTER_REJECT;
        }
        return NodeFilter.FILTER_ACCEPT;
      },
    });
    const nodes = [];
    const starts = [];
    const parts = [];
    const blockOf = new Map();
    function block(element) {
      const path = [];
      let found = root;
      for (let e = element; e && e !== root; e = e.parentNode) {
        if (blockOf.has(e)) {
          found = blockOf.get(e);
          break;
        }
        path.push(e);
        if (blocks.has(e.nodeName)) {
          found = e;
          break;
        }
      }
      for (const e of path)
        blockOf.set(e, found);
      return found;
    }
    let length = 0;
    let lastBlock = null;
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const b = block(node.parentNode);
      // A line break between blocks (and after a <br>) that no node holds.
      const previous = node.previousSibling;
      if (nodes.length && (b !== lastBlock || (previous && previous.nodeName === 'BR'))) {
        parts.push('\n');
        length += 1;
      }
      lastBlock = b;
      nodes.push(node);
      starts.push(length);
      parts.push(node.data);
      length += node.data.length;
    }
    return { root: root, nodes: nodes, starts: starts, text: parts.join('') };
  }

  function forget() {
    cache = null;
    if (observer) {
      observer.disconnect();
      observer = null;
    }
  }

  function current() {
    const root = body();
    if (!root)
      return null;
    if (cache && cache.root === root)
      return cache;
    forget();
    cache = build(root);
    observer = new MutationObserver(forget);
    observer.observe(document.documentElement, { childList: true, characterData: true, subtree: true });
    return cache;
  }

  // The index of the node that holds the text offset.
  function nodeAt(index, offset) {
    let low = 0;
    let high = index.starts.length - 1;
    while (low < high) {
      const mid = (low + high + 1) >> 1;
      if (index.starts[mid] <= offset)
        low = mid;
      else
        high = mid - 1;
    }
    return low;
  }

  function escapeRegExp(text) {
    return text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  }

  // A search for the word, letter case ignored.
  function pattern(word) {
    return new RegExp(escapeRegExp(word), 'giu');
  }

  // This document, as the find position knows it.
  function token() {
    if (!window.vesperalFindToken)
      window.vesperalFindToken = String(Math.random()).slice(2) + String(Date.now());
    return window.vesperalFindToken;
  }

  // The selection as offsets in the text, to put back after the document's
  // nodes have been split or joined (moving a node collapses a selection in it).
  function saveSelection(index) {
    const selection = window.getSelection();
    if (!selection.rangeCount)
      return null;
    const range = selection.getRangeAt(0);
    if (!index.position)
      index.position = new Map(index.nodes.map((node, i) => [node, i]));
    const at = (node, offset) => {
      const i = index.position.get(node);
      return i === undefined ? -1 : index.starts[i] + offset;
    };
    const start = at(range.startContainer, range.startOffset);
    const end = at(range.endContainer, range.endOffset);
    return start >= 0 && end >= start ? { start: start, end: end } : null;
  }

  function restoreSelection(saved) {
    const index = current();
    if (!saved || !index || !index.nodes.length)
      return;
    const place = (offset) => {
      const i = nodeAt(index, offset);
      return [index.nodes[i], Math.min(offset - index.starts[i], index.nodes[i].data.length)];
    };
    const range = document.createRange();
    range.setStart(...place(saved.start));
    range.setEnd(...place(saved.end));
    const selection = window.getSelection();
    selection.removeAllRanges();
    selection.addRange(range);
  }

  return { current: current, forget: forget, nodeAt: nodeAt, pattern: pattern, token: token,
           saveSelection: saveSelection, restoreSelection: restoreSelection };
})();
