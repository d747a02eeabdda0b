#include "playback/core/RecentFiles.h"

#include "base/Numbers.h"
#include "base/StoredField.h"
#include "base/TextLines.h"

namespace {

QByteArray line(const RecentFiles::Entry& e)
{
    return QByteArray::number(e.op) + '|' + StoredField::encodeText(e.name) + '|' + e.address + "\r\n";
}

} // namespace

RecentFiles RecentFiles::fromBytes(const QByteArray& bytes)
{
    RecentFiles recent;
    const QList<QByteArray> lines = TextLines::split(bytes);
    for (const QByteArray& raw : lines) {
        if (recent.m_entries.size() >= kMaxEntries)
            break;
        if (TextLines::isBlank(raw.trimmed()))
            continue;
        const QList<QByteArray> fields = raw.split('|');
        const auto op = fields.size() >= 3 ? toByte(fields[0]) : std::nullopt;
        if (!op) {
            recent.m_complete = false;
            break;
        }
        recent.m_entries.append({*op, StoredField::decodeText(fields[1]), fields[2]});
    }
    return recent;
}

std::optional<QByteArray> RecentFiles::withOnTop(
    std::uint8_t op, const QString& root, const QString& name) const
{
    const QByteArray scrambled = StoredField::encodeAddress(root);
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
