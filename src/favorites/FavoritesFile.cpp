#include "favorites/FavoritesFile.h"

#include "app/TextCodec.h"
#include "catalogue/ListFormat.h"
#include "catalogue/Scrambling.h"

#include <QUrl>

namespace FavoritesFile {

namespace {

struct Code {
    const char* code;
    QChar character;
};
const Code kCodes[] = {{"%25", u'%'}, {"%7C", u'|'}, {"%0D", u'\r'}, {"%0A", u'\n'}};

// The character a "%" at `at` stands for when it starts one of the codes, else nothing.
std::optional<QChar> codeAt(const QString& text, qsizetype at)
{
    for (const Code& c : kCodes) {
        if (text.mid(at, 3).compare(QLatin1String(c.code), Qt::CaseInsensitive) == 0)
            return c.character;
    }
    return std::nullopt;
}

bool breaksALine(const QByteArray& stored)
{
    return stored.contains('|') || stored.contains('\r') || stored.contains('\n');
}

} // namespace

QByteArray encodeField(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'|')
            out += QStringLiteral("%7C");
        else if (c == u'\r')
            out += QStringLiteral("%0D");
        else if (c == u'\n')
            out += QStringLiteral("%0A");
        else if (c == u'%' && codeAt(text, i))
            out += QStringLiteral("%25");
        else
            out += c;
    }
    return TextCodec::encodeEightBit(out);
}

QString decodeField(const QString& stored)
{
    if (!stored.contains(u'%'))
        return stored;
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == u'%') {
            if (const auto c = codeAt(stored, i)) {
                out += *c;
                i += 2;
                continue;
            }
        }
        out += stored[i];
    }
    return out;
}

QByteArray line(const ChannelRecord& f)
{
    return QByteArray::number(f.kind) + '|' + encodeField(f.country) + '|' + encodeField(f.category) + '|'
        + encodeField(f.name) + '|' + QByteArray::number(f.op) + '|' + f.address + '|'
        + encodeField(f.bandwidth) + '|' + encodeField(f.info) + "|\r\n";
}

QByteArray toBytes(const QVector<ChannelRecord>& favorites)
{
    QByteArray bytes;
    for (const ChannelRecord& favorite : favorites)
        bytes += line(favorite);
    return bytes;
}

QByteArray storedAddress(const QString& address)
{
    if (address.isEmpty())
        return {};
    const QByteArray plain = Scrambling::encTvRa(TextCodec::encodeEightBit(address)).value_or(QByteArray());
    if (!plain.isEmpty() && !breaksALine(plain))
        return plain;
    const bool url = address.contains(QStringLiteral("://"));
    const QString equivalent = url ? address : QUrl::fromLocalFile(address).toString(QUrl::FullyEncoded);
    return ListFormat::addressField(equivalent);
}

bool validateFieldCount(const QByteArray& bytes, int separators)
{
    for (const QByteArray& raw : ListFormat::splitLines(bytes)) {
        if (QByteArray(raw).replace(' ', QByteArray()).isEmpty())
            continue;
        if (raw.count('|') != separators)
            return false;
    }
    return true;
}

QByteArray normalised(const QByteArray& bytes)
{
    QByteArray out;
    for (const QByteArray& raw : ListFormat::splitLines(bytes)) {
        if (QByteArray(raw).replace(' ', QByteArray()).isEmpty())
            continue;
        out += raw + "\r\n";
    }
    return out;
}

} // namespace FavoritesFile
