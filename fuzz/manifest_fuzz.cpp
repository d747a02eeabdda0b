// dot.dll and battc.dll: whatever the server sends, the manifest is five lines or none, and
// the announcement table reads without harm; the keyed scrambling undoes itself.
#include "FuzzCheck.h"

#include "base/Scrambling.h"
#include "base/TextCodec.h"
#include "net/core/AnnouncementRotation.h"
#include "net/core/UpdateCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    const std::optional<QStringList> manifest = UpdateCheck::parseManifest(TextCodec::decodeEightBit(bytes));
    if (manifest)
        FUZZ_CHECK(manifest->size() >= 5);
    UpdateCheck::acceptsList(bytes);
    const bool accepted = UpdateCheck::acceptsAnnouncements(bytes);
    const QStringList table = UpdateCheck::announcementTable(bytes);
    if (accepted)
        FUZZ_CHECK(!table.isEmpty());
    // The rotation over whatever table arrived, a few ticks round.
    AnnouncementRotation rotation;
    for (int tick = 0; tick < 4; ++tick) {
        if (rotation.startTick(table.size() + 2, true))
            rotation.probed(tick % 3 != 2, table);
    }
    const std::optional<QByteArray> scrambled = Scrambling::decrypt("OrvesaKt", bytes);
    FUZZ_CHECK(scrambled && Scrambling::decrypt("OrvesaKt", *scrambled) == bytes);
    return 0;
}
