#include "catalogue/core/ListFormat.h"

#include "base/FreshMemory.h"
#include "base/Numbers.h"
#include "base/StoredField.h"
#include "base/TextLines.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace ListFormat {

namespace {

using Fields = std::vector<QByteArrayView>;

// Lists repeat countries, categories and bandwidths from line to line; a repeated field
// shares the text made for it before instead of making its own. The few values these
// fields take are all remembered; the info of a line is compared with the line before's
// only. The views point into the file's bytes, which outlive one read.
template <std::size_t Remembered, typename Text = QString> class RepeatedText {
public:
    template <typename Make> Text get(QByteArrayView raw, Make make)
    {
        // Runs of one value are common: the value last asked for is compared first.
        if (m_used > 0 && same(m_entries[m_last].raw, raw))
            return m_entries[m_last].text;
        for (std::size_t i = 0; i < m_used; ++i) {
            if (same(m_entries[i].raw, raw)) {
                m_last = i;
                return m_entries[i].text;
            }
        }
        m_last = m_used < Remembered ? m_used++ : m_next++ % Remembered;
        Entry& entry = m_entries[m_last];
        entry.raw = raw;
        entry.text = make(raw);
        return entry.text;
    }

private:
    struct Entry {
        QByteArrayView raw;
        Text text;
    };
    static bool same(QByteArrayView a, QByteArrayView b)
    {
        return a.size() == b.size()
            && std::memcmp(a.data(), b.data(), static_cast<std::size_t>(a.size())) == 0;
    }

    std::array<Entry, Remembered> m_entries;
    std::size_t m_used = 0;
    std::size_t m_next = 0;
    std::size_t m_last = 0;
};

struct FieldMemory {
    explicit FieldMemory(const QByteArray& bytes) : file(bytes) { }

    const QByteArray& file; // the bytes the fields are read from
    RepeatedText<8> country;
    RepeatedText<32> category, bandwidth;
    RepeatedText<1, StoredText> info;
};

QString text(QByteArrayView field) { return StoredField::decodeText(field); }

// The info shares the list's bytes: most infos are never read, and a copy of each would
// take as many new pages again as the list has infos.
StoredText stored(QByteArrayView field, const FieldMemory& memo)
{
    return StoredText::within(memo.file, field);
}

QString withoutBlanks(QByteArrayView field)
{
    if (!field.contains(' '))
        return text(field);
    QByteArray kept = field.toByteArray();
    kept.replace(' ', QByteArrayView());
    return text(kept);
}

QString trimmedBlanks(QByteArrayView field)
{
    while (!field.isEmpty() && field.front() == ' ')
        field = field.sliced(1);
    while (!field.isEmpty() && field.back() == ' ')
        field.chop(1);
    return text(field);
}

// Fills `record` from the fields of one line; false when the line is malformed.
bool fillTv(const Fields& f, ChannelRecord& record, FieldMemory& memo)
{
    if (f.size() < 10)
        return false;
    const auto op = toByte(f[4]);
    if (!op)
        return false;
    record.kind = ChannelRecord::Tv;
    record.country = memo.country.get(f[1], trimmedBlanks);
    record.category = memo.category.get(f[2], withoutBlanks);
    record.name = text(f[3]);
    record.op = *op;
    record.address = SharedBytes::within(memo.file, f[7]);
    record.bandwidth = memo.bandwidth.get(f[8], text);
    record.info = memo.info.get(f[9], [&memo](QByteArrayView field) { return stored(field, memo); });
    return true;
}

bool fillRadio(const Fields& f, ChannelRecord& record, FieldMemory& memo)
{
    if (f.size() < 6)
        return false;
    const auto op = toByte(f[3]);
    if (!op)
        return false;
    record.kind = ChannelRecord::Radio;
    record.country = memo.country.get(f[1], withoutBlanks);
    record.name = text(f[2]);
    record.op = *op;
    record.info = memo.info.get(f[4], [&memo](QByteArrayView field) { return stored(field, memo); });
    record.address = SharedBytes::within(memo.file, f[5]);
    return true;
}

bool fillMovieStore(const Fields& f, ChannelRecord& record, FieldMemory& memo)
{
    if (f.size() < 3)
        return false;
    record.kind = ChannelRecord::MovieStore;
    record.op = 5;
    record.name = text(f[1]);
    record.address = SharedBytes::within(memo.file, f[2]);
    return true;
}

bool fillFavorite(const Fields& f, ChannelRecord& record, FieldMemory& memo)
{
    if (f.size() < 8)
        return false;
    const auto kind = toByte(f[0]);
    const auto op = toByte(f[4]);
    if (!kind || !op)
        return false;
    record.kind = *kind;
    record.country = text(f[1]);
    record.category = text(f[2]);
    record.name = text(f[3]);
    record.op = *op;
    record.address = SharedBytes::within(memo.file, f[5]);
    record.bandwidth = text(f[6]);
    record.info = stored(f[7], memo);
    return true;
}

bool isRecordLine(Kind kind, QByteArrayView line)
{
    if (kind == Kind::Favorites)
        return !line.isEmpty();
    return line.startsWith('|');
}

// Splits on "|" into `fields`, stopping once `wanted` fields are there (later ones are never read).
void split(QByteArrayView line, qsizetype wanted, Fields& fields)
{
    fields.clear();
    const char* start = line.data();
    const char* const end = start + line.size();
    for (;;) {
        const bool last = static_cast<qsizetype>(fields.size()) + 1 >= wanted;
        const auto* bar = start < end
            ? static_cast<const char*>(std::memchr(start, '|', static_cast<std::size_t>(end - start)))
            : nullptr;
        fields.push_back(QByteArrayView(start, (bar ? bar : end) - start));
        if (!bar || last)
            return;
        start = bar + 1;
    }
}

qsizetype fieldsRead(Kind kind)
{
    switch (kind) {
    case Kind::Tv:
        return 10;
    case Kind::Radio:
        return 6;
    case Kind::MovieStore:
        return 3;
    case Kind::Favorites:
        return 8;
    }
    return 0;
}

bool fill(Kind kind, const Fields& fields, ChannelRecord& record, FieldMemory& memo)
{
    switch (kind) {
    case Kind::Tv:
        return fillTv(fields, record, memo);
    case Kind::Radio:
        return fillRadio(fields, record, memo);
    case Kind::MovieStore:
        return fillMovieStore(fields, record, memo);
    case Kind::Favorites:
        return fillFavorite(fields, record, memo);
    }
    return false;
}

// At most how many records the lines of `bytes` hold. (memchr finds line ends many times
// faster than QByteArray::count.)
qsizetype linesIn(const QByteArray& bytes)
{
    qsizetype lines = 1;
    const char* at = bytes.constData();
    const char* const end = at + bytes.size();
    while ((at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at))))) {
        ++lines;
        ++at;
    }
    return lines;
}

// A record's name takes a heap block of its own, under this many bytes for most names.
// Its address and info share the list's bytes, and its other texts an earlier line's.
constexpr qsizetype kHeapPerName = 96;

// A large list is read into memory taken at once (see FreshMemory): the room for its
// records and, while it is read, for their names. An empty vector is given room for as
// many records as it may hold, so that it never moves; only the pages the `expected`
// records fill are taken.
void takeMemoryForRecords(qsizetype expected, int capacity, QVector<ChannelRecord>& out)
{
    if (out.isEmpty())
        out.reserve(capacity);
    if (out.capacity() - out.size() < expected)
        return;
    FreshMemory::takeAtOnce(reinterpret_cast<char*>(out.data() + out.size()),
        expected * static_cast<qint64>(sizeof(ChannelRecord)));
}

} // namespace

ReadResult read(Kind kind, const QByteArray& bytes, int capacity)
{
    ReadResult result;
    readInto(kind, bytes, capacity, result.records, result);
    return result;
}

void readInto(
    Kind kind, const QByteArray& bytes, int capacity, QVector<ChannelRecord>& out, ReadResult& result)
{
    if (bytes.isEmpty())
        return;
    std::optional<FreshMemory::HeapRoom> roomForNames;
    if (bytes.size() >= FreshMemory::kWorthTakingAtOnce) {
        const qsizetype expected = std::min<qsizetype>({linesIn(bytes), capacity, kMaxLines});
        takeMemoryForRecords(expected, capacity, out);
        roomForNames.emplace(expected * kHeapPerName);
    }
    const qsizetype first = out.size();
    FieldMemory memo(bytes);
    Fields fields;
    fields.reserve(12);
    int lineNumber = -1;
    TextLines::forEach(bytes, [&](QByteArrayView line) {
        const auto stopHere = [&] {
            result.unreadFrom = line.data() - bytes.constData();
            return false;
        };
        if (++lineNumber >= kMaxLines)
            return stopHere();
        if (!isRecordLine(kind, line))
            return true;
        if (out.size() - first >= capacity) {
            result.reachedLimit = true;
            return stopHere();
        }
        split(line, fieldsRead(kind), fields);
        if (!fill(kind, fields, out.emplace_back(), memo)) {
            out.removeLast();
            result.stoppedAtLine = lineNumber;
            return stopHere();
        }
        return true;
    });
}

} // namespace ListFormat
