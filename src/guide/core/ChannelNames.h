#pragma once

#include <QString>

// Channel names as guides and lists write them differ in case, blanks, punctuation and a
// quality mark: "BBC One HD", "bbc.one", "BBC One (720p)" are one channel.
namespace ChannelNames {

QString comparable(const QString& name);

} // namespace ChannelNames
