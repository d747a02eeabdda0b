#include "catalogue/core/M3uPlaylist.h"

#include "base/TextCodec.h"
#include "catalogue/core/ListFormat.h"

namespace {

// Reads `key="value"` and `key=value` pairs up to the title comma, which is the first comma
// outside quotes. Returns the position of that comma, or -1.
qsizetype readAttributes(const QString& text, qsizetype from, QMap<QString, QString>& attributes)
{
    qsizetype i = from;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        if (i >= text.size() || text[i] == u',')
            return i < text.size() ? i : -1;
        const qsizetype keyStart = i;
        while (i < text.size() && text[i] != u'=' && text[i] != u',' && !text[i].isSpace())
            ++i;
        const QString key = text.mid(keyStart, i - keyStart).toLower();
        if (i >= text.size() || text[i] != u'=')
            continue; // a bare word: no value
        ++i;
        QString value;
        if (i < text.size() && text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            if (close < 0)
                return -1; // an unclosed quote swallows the title
            value = text.mid(i + 1, close - i - 1);
            i = close + 1;
        } else {
            const qsizetype valueStart = i;
            while (i < text.size() && text[i] != u',' && !text[i].isSpace())
                ++i;
            value = text.mid(valueStart, i - valueStart);
        }
        if (!key.isEmpty())
            attributes.insert(key, value);
    }
    return -1;
}

M3uEntry parseExtInf(const QString& line)
{
    M3uEntry entry;
    const qsizetype colon = line.indexOf(u':');
    qsizetype i = colon + 1;
    while (i < line.size() && line[i] != u' ' && line[i] != u',')
        ++i; // the duration
    const qsizetype comma = readAttributes(line, i, entry.attributes);
    if (comma >= 0)
        entry.title = line.mid(comma + 1).trimmed();
    return entry;
}

} // namespace

M3uPlaylist M3uPlaylist::parse(const QByteArray& bytes)
{
    M3uPlaylist playlist;
    M3uReader reader(bytes);
    while (!reader.atEnd())
        reader.read(4096, playlist);
    return playlist;
}

M3uReader::M3uReader(QByteArray bytes) : m_bytes(std::move(bytes))
{
    if (m_bytes.startsWith("\xEF\xBB\xBF"))
        m_position = 3;
}

double M3uReader::progress() const
{
    return m_bytes.isEmpty() ? 1.0 : static_cast<double>(m_position) / static_cast<double>(m_bytes.size());
}

void M3uReader::read(int lines, M3uPlaylist& into)
{
    const char* const data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    for (int n = 0; n < lines && m_position < size; ++n) {
        qsizetype end = m_position;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        const QByteArrayView line(data + m_position, end - m_position);
        if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n')
            ++end;
        m_position = end + 1;
        ++m_lineNumber;
        take(line, into);
    }
    if (atEnd() && m_havePending) {
        into.problems << QStringLiteral("the last entry has no address");
        m_havePending = false;
    }
}

void M3uReader::take(QByteArrayView bytes, M3uPlaylist& into)
{
    if (bytes.size() > kLongestLine) {
        into.problems << QStringLiteral("line %1: longer than any entry").arg(m_lineNumber);
        return;
    }
    const QString line = TextCodec::decodeEightBit(bytes.toByteArray()).trimmed();
    if (line.isEmpty())
        return;
    if (line.startsWith(QStringLiteral("#EXTM3U"), Qt::CaseInsensitive)) {
        // The header's attributes are written as an entry's are.
        const M3uEntry header
            = parseExtInf(QStringLiteral("#EXTINF:-1 ") + line.mid(7) + QStringLiteral(","));
        into.header.insert(header.attributes);
    } else if (line.startsWith(QStringLiteral("#EXTINF"), Qt::CaseInsensitive)) {
        if (m_havePending)
            into.problems << QStringLiteral("line %1: an entry without an address").arg(m_lineNumber - 1);
        m_pending = parseExtInf(line);
        m_pending.described = true;
        m_havePending = true;
    } else if (line.startsWith(QStringLiteral("#EXTVLCOPT:"), Qt::CaseInsensitive)) {
        if (m_havePending)
            m_pending.options << line.mid(11);
    } else if (!line.startsWith(u'#')) {
        M3uEntry entry = m_havePending ? std::move(m_pending) : M3uEntry {};
        entry.url = line;
        entry.line = m_lineNumber;
        if (entry.title.isEmpty())
            entry.title = line;
        into.entries.append(std::move(entry));
        m_pending = {};
        m_havePending = false;
    }
}
