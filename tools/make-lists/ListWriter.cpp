#include "make-lists/ListWriter.h"

#include "base/StoredField.h"

#include <QHash>
#include <QStringList>

namespace ListWriter {

using StoredField::encodeText;

QByteArray tvLine(const ChannelRecord& r)
{
    return '|' + encodeText(r.country) + '|' + encodeText(r.category) + '|' + encodeText(r.name) + '|'
        + QByteArray::number(r.op) + "|||" + r.address.toByteArray() + '|' + encodeText(r.bandwidth) + '|'
        + encodeText(r.info.toString());
}

QByteArray radioLine(const ChannelRecord& r)
{
    return '|' + encodeText(r.country) + '|' + encodeText(r.name) + '|' + QByteArray::number(r.op) + '|'
        + encodeText(r.info.toString()) + '|' + r.address.toByteArray();
}

QByteArray movieStoreLine(const ChannelRecord& r)
{
    return '|' + encodeText(r.name) + '|' + r.address.toByteArray();
}

QVector<ChannelRecord> groupedByCountry(const QVector<ChannelRecord>& records)
{
    QStringList countries; // in the order they first appear
    QHash<QString, QVector<ChannelRecord>> byCountry;
    for (const ChannelRecord& record : records) {
        auto found = byCountry.find(record.country);
        if (found == byCountry.end()) {
            countries.append(record.country);
            found = byCountry.insert(record.country, {});
        }
        found->append(record);
    }
    QVector<ChannelRecord> grouped;
    grouped.reserve(records.size());
    for (const QString& country : std::as_const(countries))
        grouped += byCountry.value(country);
    return grouped;
}

} // namespace ListWriter
