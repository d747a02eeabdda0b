#include "schedule/core/ScheduleFile.h"

#include "base/StoredField.h"

#include <QtEndian>

#include <cstring>

namespace ScheduleFile {

namespace {

enum Offset { Name = 0, Channel = 50, Start = 130, Spare = 138, Address = 140 };
enum Size { NameSize = kNameBytes, ChannelSize = kChannelBytes, AddressSize = 200 };

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The bytes cut to `size` where a UTF-8 character begins, then padded with blanks.
QByteArray fitted(QByteArray bytes, int size)
{
    if (bytes.size() > size) {
        qsizetype cut = size;
        while (cut > 0 && !startsCharacter(bytes[cut]))
            --cut;
        bytes.truncate(cut);
    }
    return bytes.leftJustified(size, ' ');
}

QByteArray unpadded(QByteArrayView field)
{
    while (!field.isEmpty() && (field.back() == ' ' || field.back() == '\0'))
        field.chop(1);
    return field.toByteArray();
}

// A name without the blanks and NULs around it, whichever way they were stored.
QString name(QByteArrayView field)
{
    QString text = StoredField::decodeText(unpadded(field));
    const auto padding = [](QChar c) { return c.isSpace() || c.isNull(); };
    qsizetype end = text.size();
    while (end > 0 && padding(text[end - 1]))
        --end;
    qsizetype start = 0;
    while (start < end && padding(text[start]))
        ++start;
    return text.mid(start, end - start);
}

ScheduledProgram program(QByteArrayView record)
{
    ScheduledProgram p;
    p.programName = name(record.sliced(Name, NameSize));
    p.channelName = name(record.sliced(Channel, ChannelSize));
    p.startTime = qFromLittleEndian<double>(record.data() + Start);
    p.channelAddress = unpadded(record.sliced(Address, AddressSize));
    return p;
}

} // namespace

ReadResult read(const QByteArray& bytes)
{
    ReadResult result;
    const qsizetype whole = bytes.size() / kRecordSize;
    result.partialRecord = bytes.size() % kRecordSize != 0;
    const qsizetype taken = std::min<qsizetype>(whole, kMaxPrograms);
    result.programs.reserve(taken);
    result.records.reserve(taken);
    for (qsizetype n = 0; n < taken; ++n) {
        const QByteArrayView stored = QByteArrayView(bytes).sliced(n * kRecordSize, kRecordSize);
        result.programs.append(program(stored));
        result.records.append(stored.toByteArray());
    }
    result.unreadRecords = bytes.mid(taken * kRecordSize);
    return result;
}

QByteArray record(const ScheduledProgram& p)
{
    QByteArray bytes = fitted(StoredField::encodeText(p.programName), NameSize)
        + fitted(StoredField::encodeText(p.channelName), ChannelSize);
    char number[8];
    qToLittleEndian(p.startTime, number);
    bytes.append(number, 8);
    bytes.append(2, '\0'); // spare
    bytes += fitted(p.channelAddress.left(AddressSize), AddressSize);
    return bytes;
}

QByteArray toBytes(const QVector<ScheduledProgram>& programs)
{
    QByteArray bytes;
    bytes.reserve(programs.size() * kRecordSize);
    for (const ScheduledProgram& p : programs)
        bytes += record(p);
    return bytes;
}

QString fittingText(const QString& text, int size)
{
    if (StoredField::encodeText(text).size() <= size)
        return text;
    QString fitting;
    for (qsizetype at = 0; at < text.size();) {
        // A surrogate pair is one character; it fits whole or not at all.
        const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        const QString longer = fitting + text.mid(at, length);
        if (StoredField::encodeText(longer).size() > size)
            break;
        fitting = longer;
        at += length;
    }
    return fitting;
}

} // namespace ScheduleFile
