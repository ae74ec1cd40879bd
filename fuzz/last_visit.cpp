// The stored Pages of the last exit. Whatever is read is written back and
// read again the same.
#include "pages/LastVisit.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList addresses =
        LastVisit::parse(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (addresses.size() > LastVisit::kMaxAddresses)
        std::abort();
    if (LastVisit::parse(LastVisit::format(addresses)) != addresses)
        std::abort();
    return 0;
}
