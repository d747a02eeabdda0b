#pragma once

#include "catalogue/core/ChannelRecord.h"

#include <QByteArray>
#include <QVector>

// One record line of each channel list, without its line end, as the vendor's lists are
// written. The program itself only reads lists.
namespace ListWriter {

QByteArray tvLine(const ChannelRecord& record);
QByteArray radioLine(const ChannelRecord& record);
QByteArray movieStoreLine(const ChannelRecord& record);

// The records with each country's records together, the countries in the order they first
// appear and each country's records in their own order: the program shows a country once
// for each run of its records.
QVector<ChannelRecord> groupedByCountry(const QVector<ChannelRecord>& records);

} // namespace ListWriter
