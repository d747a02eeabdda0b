#include "base/StoredField.h"

#include "base/Scrambling.h"
#include "base/TextCodec.h"

#include <QUrl>

#include <optional>

namespace StoredField {

namespace {

struct Code {
    QLatin1String code;
    QChar character;
};
const Code kCodes[] = {{QLatin1String("%25"), u'%'}, {QLatin1String("%7C"), u'|'}, {QLatin1String("%0D"), u'\r'},
    {QLatin1String("%0A"), u'\n'}};

// The character a "%" at `at` stands for when it starts one of the codes, else nothing.
std::optional<QChar> codeAt(const QString& text, qsizetype at)
{
    const QStringView three = QStringView(text).mid(at, 3);
    for (const Code& c : kCodes) {
        if (three.compare(c.code, Qt::CaseInsensitive) == 0)
            return c.character;
    }
    return std::nullopt;
}

QByteArray scrambled(const QByteArray& clear) { return Scrambling::scrambleAddress(clear).value_or(QByteArray()); }

// A web address with every byte percent-encoded that would scramble into "|", CR or LF
// ('}', 0x0E, 0x0B) or that never belongs in an address ("|", controls).
QByteArray percentEncodedUrl(const QString& url)
{
    QByteArray safe;
    for (const char c : TextCodec::encodeEightBit(url)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == '|' || byte == '}' || byte == 0x7F)
            safe += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            safe += c;
    }
    return safe;
}

} // namespace

QByteArray encodeText(const QString& text)
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

QString decodeText(QByteArrayView stored)
{
    QString text = TextCodec::decodeEightBit(stored);
    if (!stored.contains('%'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%') {
            if (const auto c = codeAt(text, i)) {
                out += *c;
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QByteArray encodeAddress(const QString& address)
{
    if (address.isEmpty())
        return {};
    const QByteArray plain = scrambled(TextCodec::encodeEightBit(address));
    if (!plain.isEmpty() && !breaksALine(plain))
        return plain;
    if (address.contains(QStringLiteral("://")))
        return scrambled(percentEncodedUrl(address));
    return scrambled(QUrl::fromLocalFile(address).toString(QUrl::FullyEncoded).toUtf8());
}

QString decodeAddress(QByteArrayView stored)
{
    const std::optional<QByteArray> clear = Scrambling::unscrambleAddress(stored.toByteArray());
    return clear ? TextCodec::decodeEightBit(*clear) : QString();
}

bool breaksALine(QByteArrayView bytes)
{
    return bytes.contains('|') || bytes.contains('\r') || bytes.contains('\n');
}

} // namespace StoredField
