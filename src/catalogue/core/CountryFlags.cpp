#include "catalogue/core/CountryFlags.h"

#include <QHash>

namespace CountryFlags {

int indexOf(const QString& country)
{
    static const QHash<QString, int> byKey = [] {
        QHash<QString, int> map;
        for (int i = 0; i < static_cast<int>(all().size()); ++i)
            map.insert(QString::fromUtf8(all()[static_cast<size_t>(i)].key), i);
        return map;
    }();
    return byKey.value(country, -1);
}

QString keyForIsoCode(const QString& isoCode)
{
    const QString code = isoCode.toLower();
    for (const FlagKey& flag : all()) {
        if (code == QLatin1String(flag.isoCode))
            return QString::fromUtf8(flag.key);
    }
    return {};
}

} // namespace CountryFlags
