// The engine-menu files: lines of "text|target", and the placeholders filled
// in a target. The first line of the input is what fills them (the search
// words, the address and the host); the rest is the file.
#include "frame/MenuFile.h"
#include "platform/DataText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = bytes.indexOf('\n');
    const QString words = QString::fromUtf8(bytes.left(cut < 0 ? 0 : cut));
    const QList<MenuFile::Line> lines = MenuFile::parse(DataText::decode(cut < 0 ? bytes : bytes.mid(cut + 1)));
    for (int n = 0;; ++n) {
        const std::optional<MenuFile::Line> entry = MenuFile::entry(lines, n);
        if (!entry)
            break;
        if (entry->separator)
            std::abort();
        MenuFile::menuText(entry->text);
        MenuFile::fill(entry->target, words, words, words);
    }
    return 0;
}
