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
  // The text nodes split off each indexed node, last first.
  const pieces = new Map();
  function mark(n, from, to) {
    // The node keeps what is before `from`; the piece in between is wrapped.
    const node = index.nodes[n];
    const start = index.starts[n];
    const added = pieces.get(n) || [];
    if (to < node.data.length)
      added.push([node.splitText(to), start + to]);
    let piece = node;
    if (from > 0) {
      piece = node.splitText(from);
      added.push([piece, start + from]);
    }
    pieces.set(n, added);
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
        mark(n, from, to);
    }
  }
  if (pieces.size) {
    // The same text in more nodes: each node's pieces follow it in the index.
    const nodes = [];
    const starts = [];
    for (let n = 0; n < index.nodes.length; ++n) {
      nodes.push(index.nodes[n]);
      starts.push(index.starts[n]);
      const added = pieces.get(n);
      for (let k = added ? added.length - 1 : -1; k >= 0; --k) {
        nodes.push(added[k][0]);
        starts.push(added[k][1]);
      }
    }
    vesperalFindText.update(index, nodes, starts);
    vesperalFindText.finishChange(index, selected);
  }
  return matches.length;
})
