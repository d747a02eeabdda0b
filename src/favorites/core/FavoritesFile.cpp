#include "favorites/core/FavoritesFile.h"

#include "base/StoredField.h"
#include "base/TextLines.h"

namespace FavoritesFile {

QByteArray line(const ChannelRecord& f)
{
    using StoredField::encodeText;
    return QByteArray::number(f.kind) + '|' + encodeText(f.country) + '|' + encodeText(f.category) + '|'
        + encodeText(f.name) + '|' + QByteArray::number(f.op) + '|' + f.address.toByteArray() + '|'
        + encodeText(f.bandwidth) + '|' + encodeText(f.info.toString()) + "|\r\n";
}

QByteArray toBytes(const QVector<ChannelRecord>& favorites)
{
    QByteArray bytes;
    for (const ChannelRecord& favorite : favorites)
        bytes += line(favorite);
    return bytes;
}

bool validateFieldCount(const QByteArray& bytes, int separators)
{
    bool valid = true;
    TextLines::forEach(bytes, [&](QByteArrayView raw) {
        valid = TextLines::isBlank(raw) || raw.count('|') == separators;
        return valid;
    });
    return valid;
}

QByteArray normalised(const QByteArray& bytes)
{
    QByteArray out;
    TextLines::forEach(bytes, [&out](QByteArrayView raw) {
        if (!TextLines::isBlank(raw))
            out += raw.toByteArray() + "\r\n";
        return true;
    });
    return out;
}

} // namespace FavoritesFile
