#pragma once

#include "catalogue/ChannelRecord.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The favorites file `fav.fav`: eight fields a line, each followed by "|".
//
// The format has no escape of its own. So that a name or information typed with "|" or a
// line break reads back as the same favorite, those characters are written as %7C, %0D
// and %0A, and a "%" that would read as one of these (or as %25) is written as %25. Any
// other "%" is written as it is, so files of other writers read unchanged.
namespace FavoritesFile {

QByteArray toBytes(const QVector<ChannelRecord>& favorites);
QByteArray line(const ChannelRecord& favorite);

QByteArray encodeField(const QString& text);
QString decodeField(const QString& stored);

// The stored (scrambled) form of an address typed or played; an address whose scrambled
// form would break its line is stored as the equivalent URL (percent-encoded, a local
// path as a file: URL). Empty when the address is empty.
QByteArray storedAddress(const QString& address);

// Every line that is not blank holds exactly `separators` "|".
bool validateFieldCount(const QByteArray& bytes, int separators);
// The file as the yes answer of the import writes it: blank lines dropped, CR LF after each.
QByteArray normalised(const QByteArray& bytes);

} // namespace FavoritesFile
