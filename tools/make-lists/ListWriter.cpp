#include "make-lists/ListWriter.h"

#include "base/StoredField.h"

namespace ListWriter {

using StoredField::encodeText;

QByteArray tvLine(const ChannelRecord& r)
{
    return '|' + encodeText(r.country) + '|' + encodeText(r.category) + '|' + encodeText(r.name) + '|'
        + QByteArray::number(r.op) + "|||" + r.address + '|' + encodeText(r.bandwidth) + '|' + encodeText(r.info);
}

QByteArray radioLine(const ChannelRecord& r)
{
    return '|' + encodeText(r.country) + '|' + encodeText(r.name) + '|' + QByteArray::number(r.op) + '|'
        + encodeText(r.info) + '|' + r.address;
}

QByteArray movieStoreLine(const ChannelRecord& r) { return '|' + encodeText(r.name) + '|' + r.address; }

} // namespace ListWriter
