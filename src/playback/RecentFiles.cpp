#include "playback/RecentFiles.h"

#include "app/TextCodec.h"
#include "catalogue/ListFormat.h"
#include "catalogue/Scrambling.h"

namespace {

QByteArray line(const RecentFiles::Entry& e)
{
    return QByteArray::number(e.op) + '|' + ListFormat::textField(e.name) + '|' + e.address + "\r\n";
}

bool breaksALine(const QByteArray& stored)
{
    return stored.contains('|') || stored.contains('\r') || stored.contains('\n');
}

} // namespace

RecentFiles RecentFiles::fromBytes(const QByteArray& bytes)
{
    RecentFiles recent;
    const QList<QByteArray> lines = ListFormat::splitLines(bytes);
    for (const QByteArray& raw : lines) {
        if (recent.m_entries.size() >= kMaxEntries)
            break;
        if (raw.trimmed().isEmpty() || QByteArray(raw).replace(' ', QByteArray()).isEmpty())
            continue;
        const QList<QByteArray> fields = raw.split('|');
        const auto op = fields.size() >= 3 ? ListFormat::toByte(fields[0]) : std::nullopt;
        if (!op) {
            recent.m_complete = false;
            break;
        }
        recent.m_entries.append({*op, TextCodec::decodeEightBit(fields[1]), fields[2]});
    }
    return recent;
}

QByteArray RecentFiles::storedAddress(const QString& root)
{
    // A web address may be percent-encoded where scrambling would make a line break or a
    // separator; a file path may not, and such a path is not stored.
    if (root.contains(QStringLiteral("://")))
        return ListFormat::addressField(root);
    const QByteArray stored = Scrambling::encTvRa(TextCodec::encodeEightBit(root)).value_or(QByteArray());
    return breaksALine(stored) ? QByteArray() : stored;
}

std::optional<QByteArray> RecentFiles::withOnTop(
    std::uint8_t op, const QString& root, const QString& name) const
{
    const QByteArray scrambled = storedAddress(root);
    if (scrambled.isEmpty())
        return std::nullopt;
    QByteArray file = line({op, name, scrambled});
    const qsizetype keep = std::min<qsizetype>(m_entries.size(), kMaxEntries - 1);
    for (qsizetype i = 0; i < keep; ++i) {
        const Entry& e = m_entries[i];
        if (e.address == scrambled || e.address.trimmed().isEmpty())
            continue;
        file += line(e);
    }
    return file;
}

std::optional<int> recentMenuLimit(const QString& line7)
{
    QString value = line7.mid(4);
    value.remove(u' ');
    bool ok = false;
    const int limit = value.toInt(&ok);
    if (!ok || limit < 0 || limit > 255)
        return std::nullopt;
    return limit;
}
