// Selects the next whole-word match of a word (letter case ignored) and
// scrolls it to the top of the view. Without a bookmark the whole text is
// searched; with one, from one character after the last match to the end;
// with one that this document cannot take, nothing is searched. Returns
// { found, restored, bookmark }.
(function (word, bookmark) {
  'use strict';
  const index = vesperalFindText.current();
  if (!word || !index)
    return { found: false, restored: false, bookmark: null };
  const text = index.text;
  const token = vesperalFindText.token();
  let from = 0;
  let restored = false;
  if (bookmark) {
    // The same document, or one with the very same text (a reload).
    restored = bookmark.offset >= 0 && bookmark.offset < text.length
               && (bookmark.token === token || bookmark.total === text.length);
    if (!restored)
      return { found: false, restored: false, bookmark: null };
    from = bookmark.offset + 1;
  }
  // Han, kana and Hangul are words of their own: no blanks stand between them.
  const cjk = /[\p{Script=Han}\p{Script=Hiragana}\p{Script=Katakana}\p{Script=Hangul}]/u;
  const wordChar = /[\p{L}\p{N}_]/u;
  function joins(a, b) {
    return wordChar.test(a) && wordChar.test(b) && !cjk.test(a) && !cjk.test(b);
  }
  function wholeWord(start, end) {
    const before = start > 0 ? text[start - 1] : '';
    const after = end < text.length ? text[end] : '';
    return !(before && joins(before, text[start])) && !(after && joins(text[end - 1], after));
  }
  const search = vesperalFindText.pattern(word);
  search.lastIndex = from;
  for (let m = search.exec(text); m && m[0].length > 0; m = search.exec(text)) {
    const start = m.index;
    const end = start + m[0].length;
    if (!wholeWord(start, end))
      continue;
    const first = vesperalFindText.nodeAt(index, start);
    const last = vesperalFindText.nodeAt(index, end - 1);
    // One change of the selection, not two (each repaints it on a long page).
    window.getSelection().setBaseAndExtent(index.nodes[first], start - index.starts[first], index.nodes[last],
                                           end - index.starts[last]);
    // The match's element to the top of the view (which also brings any
    // scrolled box around it into view), then the match itself: in a long
    // paragraph or a long <pre> the element's top is far from the match.
    const element = index.nodes[first].parentElement;
    if (element)
      element.scrollIntoView({ block: 'start' });
    const box = window.getSelection().getRangeAt(0).getBoundingClientRect();
    if (box.height > 0 && Math.abs(box.top) > 1)
      window.scrollBy(0, box.top);
    return { found: true, restored: restored, bookmark: { token: token, offset: start, total: text.length } };
  }
  return { found: false, restored: restored, bookmark: null };
})
