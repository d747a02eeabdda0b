#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

// The key of a tree node that stands for one item: a channel ("C12"), a favorite ("F3")
// or a file of My Computer ("Com4"), with the item's index in its list. Branch nodes
// (categories, countries, the roots) have keys of other shapes and no item key.
struct ItemKey {
    enum class Kind { Channel, Favorite, LocalFile };

    Kind kind = Kind::Channel;
    int index = 0;

    static ItemKey channel(int index) { return {Kind::Channel, index}; }
    static ItemKey favorite(int index) { return {Kind::Favorite, index}; }
    static ItemKey localFile(int index) { return {Kind::LocalFile, index}; }

    // The node's key as the tree stores it.
    QString text() const;
    // The item key of a tree node's key; nothing for a branch node.
    static std::optional<ItemKey> parse(const QString& key);

    bool operator==(const ItemKey&) const = default;
};

inline size_t qHash(const ItemKey& key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, static_cast<int>(key.kind), key.index);
}
