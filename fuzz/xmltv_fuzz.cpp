// Guides: whatever the bytes, fed in pieces of any size they read as the whole; what is
// read is sane (every programme ends after it starts, now and next are in order).
#include "FuzzCheck.h"

#include "guide/core/XmltvReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    QString error;
    const std::optional<GuideTable> whole = XmltvReader::read(bytes, 1 << 20, &error);
    FUZZ_CHECK(whole.has_value() == error.isEmpty());
    XmltvReader pieces;
    const qsizetype step = 1 + static_cast<qsizetype>(size % 13);
    bool fed = true;
    for (qsizetype at = 0; fed && at < bytes.size(); at += step)
        fed = pieces.feed(QByteArrayView(bytes).sliced(at, std::min(step, bytes.size() - at)));
    if (!bytes.startsWith("\x1f\x8b")) {
        const std::optional<GuideTable> inPieces = fed ? pieces.finish() : std::nullopt;
        FUZZ_CHECK(inPieces.has_value() == whole.has_value());
        if (whole)
            FUZZ_CHECK(inPieces->programmes().size() == whole->programmes().size());
    }
    if (!whole)
        return 0;
    for (const GuideTable::Programme& p : whole->programmes())
        FUZZ_CHECK(p.start < p.stop);
    for (qsizetype c = 0; c < whole->channels().size(); ++c) {
        const GuideTable::NowNext at = whole->nowNext(static_cast<int>(c), 1'800'000'000);
        FUZZ_CHECK(!at.now || !at.next || at.now->start < at.next->start);
    }
    return 0;
}
