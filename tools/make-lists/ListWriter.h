#pragma once

#include "catalogue/core/ChannelRecord.h"

#include <QByteArray>

// One record line of each channel list, without its line end, as the vendor's lists are
// written. The program itself only reads lists.
namespace ListWriter {

QByteArray tvLine(const ChannelRecord& record);
QByteArray radioLine(const ChannelRecord& record);
QByteArray movieStoreLine(const ChannelRecord& record);

} // namespace ListWriter
