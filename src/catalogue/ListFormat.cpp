#include "catalogue/ListFormat.h"

#include "app/Settings.h"
#include "app/TextCodec.h"
#include "catalogue/Scrambling.h"
#include "favorites/FavoritesFile.h"

#include <cstring>

namespace ListFormat {

namespace {

using Fields = std::vector<QByteArrayView>;

// Lists repeat countries, categories and bandwidths from line to line; a repeated field
// shares the text made for the line before instead of making its own. The views point
// into the file's bytes, which outlive one read.
class RepeatedText {
public:
    template <typename Make> QString get(QByteArrayView raw, Make make)
    {
        if (m_valid && raw == m_raw)
            return m_text;
        m_raw = raw;
        m_text = make(raw);
        m_valid = true;
        return m_text;
    }

private:
    QByteArrayView m_raw;
    QString m_text;
    bool m_valid = false;
};

struct FieldMemory {
    RepeatedText country, category, bandwidth, info;
};

QString text(QByteArrayView field) { return TextCodec::decodeEightBit(field); }

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
    record.address = f[7].toByteArray();
    record.bandwidth = memo.bandwidth.get(f[8], text);
    record.info = memo.info.get(f[9], text);
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
    record.info = memo.info.get(f[4], text);
    record.address = f[5].toByteArray();
    return true;
}

bool fillMovieStore(const Fields& f, ChannelRecord& record, FieldMemory&)
{
    if (f.size() < 3)
        return false;
    record.kind = ChannelRecord::MovieStore;
    record.op = 5;
    record.name = text(f[1]);
    record.address = f[2].toByteArray();
    return true;
}

bool fillFavorite(const Fields& f, ChannelRecord& record, FieldMemory&)
{
    if (f.size() < 8)
        return false;
    const auto kind = toByte(f[0]);
    const auto op = toByte(f[4]);
    if (!kind || !op)
        return false;
    record.kind = *kind;
    record.country = FavoritesFile::decodeField(text(f[1]));
    record.category = FavoritesFile::decodeField(text(f[2]));
    record.name = FavoritesFile::decodeField(text(f[3]));
    record.op = *op;
    record.address = f[5].toByteArray();
    record.bandwidth = FavoritesFile::decodeField(text(f[6]));
    record.info = FavoritesFile::decodeField(text(f[7]));
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
    qsizetype start = 0;
    while (static_cast<qsizetype>(fields.size()) + 1 < wanted) {
        const qsizetype bar = line.indexOf('|', start);
        if (bar < 0)
            break;
        fields.push_back(line.sliced(start, bar - start));
        start = bar + 1;
    }
    const qsizetype bar = line.indexOf('|', start);
    fields.push_back(line.sliced(start, (bar < 0 ? line.size() : bar) - start));
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

// Calls `each` with every line; a line ends at CR LF, LF or CR. Stops when `each` says so.
template <typename Each> void forEachLine(QByteArrayView bytes, Each each)
{
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    const char* start = begin;
    for (;;) {
        const auto find = [](const char* from, const char* to, char c) {
            return from < to ? static_cast<const char*>(std::memchr(from, c, static_cast<size_t>(to - from)))
                             : nullptr;
        };
        const char* lf = find(start, end, '\n');
        const char* stop = lf ? lf : end;
        const char* cr = find(start, stop, '\r');
        const char* lineEnd = cr ? cr : stop;
        if (!each(QByteArrayView(start, lineEnd - start)))
            return;
        if (lineEnd == end)
            return;
        // CR LF counts as one line end; a CR alone or an LF alone as one too.
        start = (cr && cr + 1 == lf) ? lf + 1 : lineEnd + 1;
    }
}

} // namespace

QList<QByteArray> splitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    forEachLine(bytes, [&lines](QByteArrayView line) {
        lines.append(line.toByteArray());
        return true;
    });
    return lines;
}

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
    const qsizetype first = out.size();
    FieldMemory memo;
    Fields fields;
    fields.reserve(12);
    int lineNumber = -1;
    forEachLine(bytes, [&](QByteArrayView line) {
        if (++lineNumber >= kMaxLines)
            return false;
        if (!isRecordLine(kind, line))
            return true;
        if (out.size() - first >= capacity) {
            result.reachedLimit = true;
            return false;
        }
        split(line, fieldsRead(kind), fields);
        ChannelRecord record;
        if (!fill(kind, fields, record, memo)) {
            result.stoppedAtLine = lineNumber;
            return false;
        }
        out.append(std::move(record));
        return true;
    });
}

std::optional<std::uint8_t> toByte(QByteArrayView field)
{
    // The usual case, a few digits, without the general number reader.
    int quick = 0;
    qsizetype digits = 0;
    for (const char c : field) {
        if (c >= '0' && c <= '9' && digits < 3) {
            quick = quick * 10 + (c - '0');
            ++digits;
        } else if (c != ' ') {
            digits = -1;
            break;
        }
    }
    if (digits > 0)
        return quick <= 255 ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(quick)) : std::nullopt;
    const std::optional<std::int16_t> value = toInt16(withoutBlanks(field));
    if (!value || *value < 0 || *value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

QByteArray textField(const QString& value)
{
    QString clean = value;
    clean.replace(u'|', QChar(0x00A6));
    clean.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    clean.replace(u'\r', u' ');
    clean.replace(u'\n', u' ');
    return TextCodec::encodeEightBit(clean);
}

QByteArray addressField(const QString& url)
{
    QByteArray bytes = TextCodec::encodeEightBit(url);
    QByteArray safe;
    safe.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        // '}' scrambles to '|', 0x0E to CR, 0x0B to LF; '|' itself and controls never belong.
        if (byte < 0x20 || byte == '|' || byte == '}' || byte == 0x7F)
            safe += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            safe += c;
    }
    return Scrambling::encTvRa(safe).value_or(QByteArray());
}

QByteArray tvLine(const ChannelRecord& r)
{
    return '|' + textField(r.country) + '|' + textField(r.category) + '|' + textField(r.name) + '|'
        + QByteArray::number(r.op) + "|||" + r.address + '|' + textField(r.bandwidth) + '|'
        + textField(r.info);
}

QByteArray radioLine(const ChannelRecord& r)
{
    return '|' + textField(r.country) + '|' + textField(r.name) + '|' + QByteArray::number(r.op) + '|'
        + textField(r.info) + '|' + r.address;
}

QByteArray movieStoreLine(const ChannelRecord& r) { return '|' + textField(r.name) + '|' + r.address; }

} // namespace ListFormat
