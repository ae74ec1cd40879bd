// Takes every FONT mark with the given id out of the document, leaving its
// content in its place. Returns the number of marks removed.
(function (id) {
  'use strict';
  const marks = Array.from(document.getElementsByTagName('font')).filter((f) => f.id === id && f.tagName === 'FONT');
  if (!marks.length)
    return 0;
  const index = vesperalFindText.current();
  const selected = index ? vesperalFindText.saveSelection(index) : null;
  const parents = new Set();
  for (const mark of marks) {
    const parent = mark.parentNode;
    if (!parent)
      continue;
    while (mark.firstChild)
      parent.insertBefore(mark.firstChild, mark);
    parent.removeChild(mark);
    parents.add(parent);
  }
  // The pieces of text the marks had split are joined again.
  for (const parent of parents)
    parent.normalize();
  if (index) {
    // Each run of pieces is one node now, the first of them, where the run
    // began; the others have left the document. The text is the same.
    const nodes = [];
    const starts = [];
    for (let n = 0; n < index.nodes.length; ++n) {
      if (index.nodes[n].isConnected) {
        nodes.push(index.nodes[n]);
        starts.push(index.starts[n]);
      }
    }
    vesperalFindText.update(index, nodes, starts);
    vesperalFindText.finishChange(index, selected);
  }
  return marks.length;
})
