#pragma once

#include <span>

// The encodings a Page can be shown in, in the order of the encoding menu:
// the command that chooses each, its menu label and the character set the
// engine is given.
struct Encoding
{
    int id;
    const char *label;
    const char *charset;
    bool startsGroup; // a separator goes above it in the menu
};

namespace Encodings {
std::span<const Encoding> all();
// The character set a command chooses; nullptr for no encoding command.
const char *charsetFor(int id);
} // namespace Encodings
