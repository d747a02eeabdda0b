#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// The small number readers the stored files need.

// The leading decimal number of a text: blanks skipped, an optional sign, digits and one
// decimal point; anything else ends the number, and no number at all gives 0.
double leadingNumber(const QString& text);

// A value rounded half to even, when it is finite and in 16-bit range.
std::optional<std::int16_t> roundToInt16(double value);

// A whole decimal number in 16-bit range, rounded half to even; nothing for anything else.
std::optional<std::int16_t> toInt16(const QString& text);

// A whole number from 0 to 255 with its blanks removed, as the lists write players and kinds.
std::optional<std::uint8_t> toByte(QByteArrayView field);
