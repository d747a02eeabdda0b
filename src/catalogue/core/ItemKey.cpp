#include "catalogue/core/ItemKey.h"

#include <algorithm>

namespace {

QString prefixOf(ItemKey::Kind kind)
{
    switch (kind) {
    case ItemKey::Kind::Channel:
        return QStringLiteral("C");
    case ItemKey::Kind::Favorite:
        return QStringLiteral("F");
    case ItemKey::Kind::LocalFile:
        return QStringLiteral("Com");
    }
    return {};
}

// The index after a prefix: plain decimal digits only.
std::optional<int> indexAfter(const QString& key, qsizetype prefixLength)
{
    const QStringView digits = QStringView(key).mid(prefixLength);
    if (digits.isEmpty()
        || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int index = digits.toInt(&ok);
    return ok ? std::optional<int>(index) : std::nullopt;
}

} // namespace

QString ItemKey::text() const { return prefixOf(kind) + QString::number(index); }

std::optional<ItemKey> ItemKey::parse(const QString& key)
{
    for (const Kind kind : {Kind::LocalFile, Kind::Channel, Kind::Favorite}) {
        const QString prefix = prefixOf(kind);
        if (!key.startsWith(prefix))
            continue;
        if (const std::optional<int> index = indexAfter(key, prefix.size()))
            return ItemKey {kind, *index};
        return std::nullopt;
    }
    return std::nullopt;
}
