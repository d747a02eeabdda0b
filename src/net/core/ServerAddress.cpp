#include "net/core/ServerAddress.h"

#ifndef VIDORRA_DEFAULT_SERVER
#define VIDORRA_DEFAULT_SERVER "https://www.vidorra.example/"
#endif

namespace ServerAddress {

QUrl root()
{
    QString root = qEnvironmentVariable("VIDORRA_SERVER");
    if (root.isEmpty())
        root = QStringLiteral(VIDORRA_DEFAULT_SERVER);
    if (!root.endsWith(u'/'))
        root += u'/';
    return QUrl(root);
}

QUrl resolve(const QString& path)
{
    QString relative = path;
    while (relative.startsWith(u'/'))
        relative.remove(0, 1);
    return root().resolved(QUrl(relative));
}

} // namespace ServerAddress
