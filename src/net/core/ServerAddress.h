#pragma once

#include <QString>
#include <QUrl>

// The vendor's web server: the compiled default, or VIDORRA_SERVER when set.
namespace ServerAddress {

QUrl root();
// A path on the server, such as "/help/en.htm".
QUrl resolve(const QString& path);

} // namespace ServerAddress
