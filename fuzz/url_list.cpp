// The URL list a start can open.
#include "pages/LastVisit.h"
#include "pages/UrlList.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList addresses =
        UrlList::parse(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (addresses.size() > LastVisit::kMaxAddresses)
        std::abort();
    return 0;
}
