#pragma once

// The pictures of the tab glyph strip, in the order they stand in it: the
// load state a tab shows and the close and unlock buttons it doubles as.
enum class TabGlyph {
    Loading = 0,         // a top-level navigation started or failed
    DocumentLoading = 1, // navigated, the document still loading
    Loaded = 2,          // loaded, not the active Page
    LoadedActive = 3,    // loaded, the active Page
    ClosePressed = 4,
    CloseHot = 5, // under the mouse
    ErrorPage = 6,
    Locked = 7,
    UnlockPressed = 8,
    UnlockHot = 9,
};

inline constexpr int kTabGlyphCount = 10;
