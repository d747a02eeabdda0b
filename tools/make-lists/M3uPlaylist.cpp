#include "make-lists/M3uPlaylist.h"

#include "base/TextCodec.h"
#include "base/TextLines.h"
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
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    const QList<QByteArray> lines = TextLines::split(content);
    M3uEntry pending;
    bool havePending = false;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = TextCodec::decodeEightBit(lines[n]).trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QStringLiteral("#EXTINF"), Qt::CaseInsensitive)) {
            if (havePending)
                playlist.problems << QStringLiteral("line %1: an entry without an address").arg(n);
            pending = parseExtInf(line);
            havePending = true;
        } else if (line.startsWith(QStringLiteral("#EXTVLCOPT:"), Qt::CaseInsensitive)) {
            if (havePending)
                pending.options << line.mid(11);
        } else if (!line.startsWith(u'#')) {
            M3uEntry entry = havePending ? pending : M3uEntry {};
            entry.url = line;
            entry.line = static_cast<int>(n + 1);
            if (entry.title.isEmpty())
                entry.title = line;
            playlist.entries.append(std::move(entry));
            havePending = false;
        }
    }
    if (havePending)
        playlist.problems << QStringLiteral("the last entry has no address");
    return playlist;
}
