// The channel lists (TV, radio, movie store; the kind is compiled in) and fav.fav: whatever
// the bytes, reading ends; records the writer writes read back the same.
#include "FuzzCheck.h"

#include "catalogue/core/ListFormat.h"
#include "favorites/core/FavoritesFile.h"
#include "make-lists/ListWriter.h"

namespace {

constexpr ListFormat::Kind kKind = ListFormat::Kind::VIDORRA_FUZZ_LIST_KIND;

QByteArray written(const QVector<ChannelRecord>& records)
{
    if (kKind == ListFormat::Kind::Favorites)
        return FavoritesFile::toBytes(records);
    QByteArray bytes;
    for (const ChannelRecord& record : records) {
        bytes += kKind == ListFormat::Kind::Tv ? ListWriter::tvLine(record)
            : kKind == ListFormat::Kind::Radio ? ListWriter::radioLine(record)
                                               : ListWriter::movieStoreLine(record);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    const ListFormat::ReadResult read = ListFormat::read(kKind, bytes, 64);
    FUZZ_CHECK(read.records.size() <= 64);
    FUZZ_CHECK(read.unreadFrom <= bytes.size());
    // The writer's lines read back as the records they were made from, and hold no line
    // break inside; a second round changes nothing more.
    const QByteArray once = written(read.records);
    const ListFormat::ReadResult again = ListFormat::read(kKind, once, 64);
    FUZZ_CHECK(again.complete());
    FUZZ_CHECK(again.records.size() == read.records.size());
    FUZZ_CHECK(written(again.records) == once);
    FUZZ_CHECK(once.count('\n') == read.records.size());
    return 0;
}
