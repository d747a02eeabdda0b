#include "base/TextCodec.h"

#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Undefined bytes keep their value.
constexpr std::array<char16_t, 32> kCp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
    0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C,
    0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t cp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kCp1252High[byte - 0x80];
    return byte;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence starting at bytes[i], or 0 when it is not valid.
int validSequenceLength(QByteArrayView bytes, qsizetype i, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if (!isContinuation(next))
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < min || codePoint > 0x10FFFF || surrogate)
        return 0;
    return length;
}

} // namespace

namespace TextCodec {

QString decodeEightBit(QByteArrayView bytes)
{
    // Most list fields are valid UTF-8 (plain ASCII mostly): Qt's decoder takes them in one
    // pass and says whether anything was not. A leading byte order mark is dropped.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = utf8.decode(bytes);
    if (!utf8.hasError())
        return decoded;
    // Windows-1252 bytes among UTF-8: each byte gives at most one UTF-16 unit, and a
    // four-byte sequence two, so the text is never longer than the bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype written = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char32_t codePoint = 0;
        const int length = byte < 0x80 ? 1 : validSequenceLength(bytes, i, codePoint);
        if (length == 1) {
            out[written++] = byte;
        } else if (length == 0) {
            out[written++] = cp1252(byte);
        } else if (QChar::requiresSurrogates(codePoint)) {
            out[written++] = QChar::highSurrogate(codePoint);
            out[written++] = QChar::lowSurrogate(codePoint);
        } else {
            out[written++] = static_cast<char16_t>(codePoint);
        }
        i += length == 0 ? 1 : length;
    }
    text.truncate(written);
    return text;
}

QByteArray encodeEightBit(const QString& text) { return text.toUtf8(); }

} // namespace TextCodec
