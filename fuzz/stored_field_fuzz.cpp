// The stored-field codec: every text and address reads back as it was written, and no
// written field holds "|", CR or LF.
#include "FuzzCheck.h"

#include "base/Scrambling.h"
#include "base/StoredField.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    for (const QString& text : {QString::fromUtf8(bytes), StoredField::decodeText(bytes)}) {
        const QByteArray stored = StoredField::encodeText(text);
        FUZZ_CHECK(holdsNoBreak(stored));
        FUZZ_CHECK(StoredField::decodeText(stored) == text);

        const QByteArray address = StoredField::encodeAddress(text);
        FUZZ_CHECK(holdsNoBreak(address));
        FUZZ_CHECK(!StoredField::breaksALine(address));
        if (!address.isEmpty()) {
            const QString back = StoredField::decodeAddress(address);
            FUZZ_CHECK(back == text || back.startsWith(QLatin1String("file:")) || back.contains(QLatin1String("://")));
        }
    }
    StoredField::decodeAddress(bytes);
    if (const std::optional<QByteArray> plain = Scrambling::unscrambleAddress(bytes))
        FUZZ_CHECK(Scrambling::scrambleAddress(*plain) == bytes);
    return 0;
}
