// The .reg reader: any bytes are read as an import would read them.
#include "platform/RegFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const RegFile::ImportResult result = RegFile::check(bytes);
    // A file that was read names what it changes; one that was not says why.
    if (result.ok != result.error.isEmpty())
        std::abort();
    return 0;
}
