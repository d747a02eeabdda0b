// mruf: whatever the bytes, at most 15 entries; an item put on top reads back on top, once.
#include "FuzzCheck.h"

#include "base/StoredField.h"
#include "playback/core/RecentFiles.h"

namespace {
// The address reads back as it was, or as the URL of the same place where it could not be
// stored as it was.
bool sameAddress(const QString& read, const QString& address)
{
    return read == address || read.startsWith(QLatin1String("file:")) || read.contains(QLatin1String("://"));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    const RecentFiles recent = RecentFiles::fromBytes(bytes);
    FUZZ_CHECK(recent.entries().size() <= RecentFiles::kMaxEntries);
    // Half the input names the item played; the rest is its address.
    const QString name = QString::fromUtf8(bytes.left(bytes.size() / 2));
    const QString address = QString::fromUtf8(bytes.mid(bytes.size() / 2));
    const std::optional<QByteArray> next = recent.withOnTop(1, address, name);
    if (!next)
        return 0;
    const RecentFiles back = RecentFiles::fromBytes(*next);
    FUZZ_CHECK(!back.entries().isEmpty());
    FUZZ_CHECK(back.entries().size() <= RecentFiles::kMaxEntries);
    FUZZ_CHECK(sameAddress(StoredField::decodeAddress(back.entries().first().address), address));
    int same = 0;
    for (const RecentFiles::Entry& entry : back.entries())
        same += entry.address == back.entries().first().address ? 1 : 0;
    FUZZ_CHECK(same == 1);
    return 0;
}
