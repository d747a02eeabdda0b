// channelcheck: whatever the bytes, the marks read; written, they read back the same, and
// what was not understood is written back as it was.
#include "FuzzCheck.h"

#include "check/core/ChannelHealth.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ChannelHealth::Marks marks = ChannelHealth::Marks::fromBytes(fuzzInput(data, size));
    const QByteArray once = marks.toBytes();
    const ChannelHealth::Marks back = ChannelHealth::Marks::fromBytes(once);
    FUZZ_CHECK(back.all() == marks.all());
    FUZZ_CHECK(back.toBytes() == once);
    for (auto mark = marks.all().cbegin(); mark != marks.all().cend(); ++mark)
        FUZZ_CHECK(holdsNoBreak(mark.key()));
    return 0;
}
