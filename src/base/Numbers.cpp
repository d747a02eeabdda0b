#include "base/Numbers.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

std::optional<std::int16_t> roundToInt16(double value)
{
    const double rounded = std::nearbyint(value); // default rounding: half to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int16_t>::min()
        || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

double leadingNumber(const QString& text)
{
    QString number;
    bool seenDigit = false;
    bool seenPoint = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        if ((c == u'+' || c == u'-') && number.isEmpty()) {
            number.append(c);
        } else if (c.isDigit() && c.unicode() < 128) {
            number.append(c);
            seenDigit = true;
        } else if (c == u'.' && !seenPoint) {
            number.append(c);
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    return number.toDouble();
}

std::optional<std::int16_t> toInt16(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    return roundToInt16(trimmed.toDouble());
}

std::optional<std::uint8_t> toByte(QByteArrayView field)
{
    // The usual case, a few digits, without the general number reader.
    int quick = 0;
    qsizetype digits = 0;
    for (const char c : field) {
        if (c >= '0' && c <= '9' && digits < 3) {
            quick = quick * 10 + (c - '0');
            ++digits;
        } else if (c != ' ') {
            digits = -1;
            break;
        }
    }
    if (digits > 0)
        return quick <= 255 ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(quick)) : std::nullopt;
    QString kept = QString::fromLatin1(field);
    kept.remove(u' ');
    const std::optional<std::int16_t> value = toInt16(kept);
    if (!value || *value < 0 || *value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}
