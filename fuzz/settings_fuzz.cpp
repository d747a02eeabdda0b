// inf: whatever the bytes, the settings read; what they write reads back the same.
#include "FuzzCheck.h"

#include "state/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Settings settings = Settings::fromBytes(fuzzInput(data, size));
    const QByteArray once = settings.toBytes();
    const Settings back = Settings::fromBytes(once);
    FUZZ_CHECK(back.toBytes() == once);
    for (int line = 0; line < settings.lineCount() && line <= settings.settingsCount(); ++line)
        FUZZ_CHECK(back.line(line) == settings.line(line));
    settings.remindBeforeSeconds();
    settings.remindEveryMinutes();
    return 0;
}
