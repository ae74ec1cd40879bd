// The proxy list, as each of its readers counts it.
#include "net/ProxyList.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = ProxyList::lines(bytes);
    const QStringList entries = ProxyList::entries(lines);
    // What the organizer writes reads back as the same entries.
    if (ProxyList::entries(ProxyList::lines(ProxyList::format(entries))) != entries)
        std::abort();
    int from = 0;
    while (const auto taken = ProxyList::nextFrom(lines, from)) {
        if (taken->position < from || !ProxyList::holdsColon(taken->line))
            std::abort();
        from = taken->position + 1;
    }
    ProxyList::looksLikeList(bytes);
    return 0;
}
