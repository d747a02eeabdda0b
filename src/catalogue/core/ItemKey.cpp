#include "catalogue/core/ItemKey.h"

#include <algorithm>
#include <array>
#include <charconv>

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

// In one allocation: a tree of a whole catalogue makes tens of thousands of these.
QString ItemKey::text() const
{
    std::array<char, 16> digits {};
    char* end = std::to_chars(digits.data(), digits.data() + digits.size(), index).ptr;
    const QString prefix = prefixOf(kind);
    QString key(prefix.size() + (end - digits.data()), Qt::Uninitialized);
    QChar* out = std::copy(prefix.cbegin(), prefix.cend(), key.data());
    std::transform(digits.data(), end, out, [](char digit) { return QChar(QLatin1Char(digit)); });
    return key;
}

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
