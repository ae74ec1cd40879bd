// Wraps every match of a word in the document (parts of longer words too,
// letter case ignored) in a FONT mark with the given id and colours. The
// marks are made with DOM operations: neither the word nor the page's text
// is ever read as markup. Returns the number of matches.
(function (word, id, color, background) {
  'use strict';
  const index = vesperalFindText.current();
  if (!word || !index)
    return 0;
  const selected = vesperalFindText.saveSelection(index);
  const matches = [];
  const search = vesperalFindText.pattern(word);
  for (let m = search.exec(index.text); m; m = search.exec(index.text)) {
    if (m[0].length === 0)
      break;
    matches.push([m.index, m.index + m[0].length]);
  }
  function mark(node, from, to) {
    // The node keeps what is before `from`; the piece in between is wrapped.
    if (to < node.data.length)
      node.splitText(to);
    const piece = from > 0 ? node.splitText(from) : node;
    const font = document.createElement('font');
    font.id = id;
    font.setAttribute('color', '#' + color);
    font.setAttribute('style', 'background-color:#' + background);
    piece.parentNode.insertBefore(font, piece);
    font.appendChild(piece);
  }
  // From the last match to the first, so the offsets before stay valid.
  for (let i = matches.length - 1; i >= 0; --i) {
    const [start, end] = matches[i];
    const first = vesperalFindText.nodeAt(index, start);
    const last = vesperalFindText.nodeAt(index, end - 1);
    for (let n = last; n >= first; --n) {
      const node = index.nodes[n];
      const nodeStart = index.starts[n];
      const from = Math.max(start - nodeStart, 0);
      const to = Math.min(end - nodeStart, node.data.length);
      if (to > from && node.parentNode)
        mark(node, from, to);
    }
  }
  vesperalFindText.forget();
  vesperalFindText.restoreSelection(selected);
  return matches.length;
})
