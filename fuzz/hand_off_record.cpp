// The record a later start hands to the running one, as the running one reads
// it however the bytes arrive. A whole record's text makes the same record.
#include "platform/HandOffRecord.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    using Status = HandOffRecord::Decoded::Status;
    // The bytes may come in pieces: every prefix is read as it would be.
    Status last = Status::Incomplete;
    for (qsizetype n = 0; n <= bytes.size() && last == Status::Incomplete; n += 7)
        last = HandOffRecord::decode(bytes.left(n)).status;
    const HandOffRecord::Decoded whole = HandOffRecord::decode(bytes);
    if (whole.status == Status::Complete) {
        const QByteArray again = HandOffRecord::encode(whole.text);
        if (!again.isEmpty() && HandOffRecord::decode(again).text != whole.text)
            std::abort();
    }
    return 0;
}
