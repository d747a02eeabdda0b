#pragma once

#include "catalogue/core/ChannelRecord.h"

#include <QByteArray>
#include <QVector>

// The favorites file `fav.fav`: eight fields a line, each followed by "|". Text fields
// and addresses are written by the stored-field codec.
namespace FavoritesFile {

QByteArray toBytes(const QVector<ChannelRecord>& favorites);
QByteArray line(const ChannelRecord& favorite);

// Every line that is not blank holds exactly `separators` "|".
bool validateFieldCount(const QByteArray& bytes, int separators);
// The file as the yes answer of the import writes it: blank lines dropped, CR LF after each.
QByteArray normalised(const QByteArray& bytes);

} // namespace FavoritesFile
