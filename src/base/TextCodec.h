#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The program's 8-bit text files (settings, lists, favorites, recent files) are read
// as UTF-8; a byte that does not start a valid UTF-8 sequence is taken as Windows-1252,
// so files written by older tools in that code page still read correctly.
namespace TextCodec {

QString decodeEightBit(QByteArrayView bytes);
QByteArray encodeEightBit(const QString& text);

} // namespace TextCodec
