// The text of the top-level document as find and highlight see it: the text
// nodes of the body in document order (not those of scripts, styles and form
// fields, nor empty ones), one string of all of them, and where each node
// starts in it. Kept per document until the page changes it: marking and
// unmarking leave the text as it was and bring the index up to date
// themselves. Shared by the find scripts, which run after it in the
// browser's own world (where it stays, made once per document).
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

  // One walk through the body's tree, keeping the innermost block around
  // each text node; a <br> anywhere breaks the line before the next text.
  function build(root) {
    const nodes = [];
    const starts = [];
    const parts = [];
    const outerBlocks = [];
    let length = 0;
    let block = root;
    let lastBlock = null;
    let lineBreak = false;
    let node = root.firstChild;
    while (node) {
      const type = node.nodeType;
      if (type === Node.TEXT_NODE) {
        const data = node.data;
        if (data.length) {
          if (nodes.length && (block !== lastBlock || lineBreak)) {
            parts.push('\n');
            length += 1;
          }
          lastBlock = block;
          lineBreak = false;
          nodes.push(node);
          starts.push(length);
          parts.push(data);
          length += data.length;
        }
      } else if (type === Node.ELEMENT_NODE) {
        const name = node.nodeName;
        if (name === 'BR') {
          lineBreak = true;
        } else if (node.firstChild && !skipped.has(name)) {
          outerBlocks.push(block);
          if (blocks.has(name))
            block = node;
          node = node.firstChild;
          continue;
        }
      }
      while (node !== root && !node.nextSibling) {
        node = node.parentNode;
        if (node !== root)
          block = outerBlocks.pop();
      }
      node = node === root ? null : node.nextSibling;
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
    // Any change the page makes to its nodes or text drops the index.
    observer = new MutationObserver(forget);
    observer.observe(document.documentElement, { childList: true, characterData: true, subtree: true });
    return cache;
  }

  // After the find scripts' own changes, which split or joined text nodes
  // but left the text alone: the index takes the nodes as they are now, and
  // the changes just made do not drop it.
  function update(index, nodes, starts) {
    index.nodes = nodes;
    index.starts = starts;
    index.position = null;
    if (observer && cache === index)
      observer.takeRecords();
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

  // Ends a change the find scripts made (marking, unmarking): the selection
  // is put back, and what the engine does after any change of a document
  // before it shows it again is done now, so that on a long page the next
  // find does not wait for it. The first selection of text after a change
  // makes the engine go through all of the text once more: with no selection
  // to put back, a piece of text is selected and the selection emptied. A hit
  // test brings the layout and the paint properties up to date.
  function finishChange(index, saved) {
    const selection = window.getSelection();
    if (saved) {
      restoreSelection(saved);
    } else if (!selection.rangeCount && index.nodes.length) {
      selection.setBaseAndExtent(index.nodes[0], 0, index.nodes[0], 1);
      selection.removeAllRanges();
    }
    document.elementFromPoint(0, 0);
  }

  return { current: current, forget: forget, update: update, nodeAt: nodeAt, pattern: pattern, token: token,
           saveSelection: saveSelection, finishChange: finishChange };
})();
