// The cookie editor: writes each name=value pair of the edited text as a
// cookie of its own (one assignment sets one cookie) and expires the names
// that were shown before and are no longer there. Pairs are separated by
// ";" or line breaks. Returns the cookies now, or null when they could not
// be written.
(function (before, edited) {
  'use strict';
  function pairs(text) {
    return String(text).split(/[;\r\n]+/).map(function (p) { return p.trim(); })
      .filter(function (p) { return p.length > 0; });
  }
  function nameOf(pair) {
    const eq = pair.indexOf('=');
    return (eq < 0 ? '' : pair.slice(0, eq)).trim();
  }
  try {
    const kept = pairs(edited);
    const keptNames = new Set(kept.map(nameOf));
    const past = 'expires=Thu, 01 Jan 1970 00:00:00 GMT';
    pairs(before).map(nameOf).forEach(function (name) {
      if (keptNames.has(name))
        return;
      const cookie = name === '' ? '=' : name + '=';
      document.cookie = cookie + '; ' + past;
      document.cookie = cookie + '; path=/; ' + past;
    });
    kept.forEach(function (pair) { document.cookie = pair; });
    return String(document.cookie);
  } catch (e) {
    return null;
  }
})
