// Playlists: whatever the bytes, read in parts of any size they give the favorites read
// whole; a playlist from the web never names a local file; what is exported imports back.
#include "FuzzCheck.h"

#include "base/StoredField.h"
#include "catalogue/core/M3uPlaylist.h"
#include "favorites/core/PlaylistFavorites.h"

namespace {

QVector<ChannelRecord> importedFrom(const QByteArray& bytes, const QUrl& from, int linesAPart)
{
    PlaylistFavorites::Import import({}, from, 32767);
    M3uReader reader(bytes);
    while (!reader.atEnd()) {
        M3uPlaylist part;
        reader.read(linesAPart, part);
        import.take(part);
    }
    return import.added();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    const QUrl web(QStringLiteral("http://127.0.0.1/a/list.m3u"));
    const QVector<ChannelRecord> whole = importedFrom(bytes, web, 1 << 30);
    FUZZ_CHECK(importedFrom(bytes, web, 1 + static_cast<int>(size % 5)) == whole);
    for (const ChannelRecord& favorite : whole) {
        FUZZ_CHECK(holdsNoBreak(favorite.address));
        FUZZ_CHECK(favorite.kind != ChannelRecord::ComputerFile);
        FUZZ_CHECK(!StoredField::decodeAddress(favorite.address).startsWith(u'/'));
    }
    const QUrl local = QUrl::fromLocalFile(QStringLiteral("/tmp/list.m3u"));
    const QVector<ChannelRecord> mine = importedFrom(bytes, local, 1 << 30);
    FUZZ_CHECK(importedFrom(PlaylistFavorites::toPlaylist(mine), local, 1 << 30).size() == mine.size());
    return 0;
}
