#pragma once

#include "catalogue/core/ItemKey.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

struct Catalogue;
struct LocalFileList;

// One node of the catalogue tree as the builder lays it out.
struct TreeNode {
    QString branchKey; // a branch node's key; empty for country nodes and item nodes
    QString text;
    int icon = 0; // position in the tree's icons
    QString flagKey; // a country key whose flag replaces the icon, when it has one
    int parent = -1; // index into the layout's nodes, -1 at the top
    // The item an item node stands for. Its key is made only when asked: a tree of a whole
    // catalogue would otherwise make tens of thousands of strings no one reads.
    std::optional<ItemKey> item;

    QString key() const { return item ? item->text() : branchKey; }
};

Q_DECLARE_TYPEINFO(TreeNode, Q_RELOCATABLE_TYPE);

struct TreeLayout {
    QVector<TreeNode> nodes; // parents always come before their children
    int selected = -1; // node to select after the build (view 3's playing file)
    int selectedIcon = 0;
};

// Lays out the tree of one view: 0 by category, 1 by country, 2 favorites, 3 my computer.
namespace TreeBuilder {

enum View { ByCategory = 0, ByCountry = 1, Favorites = 2, MyComputer = 3 };

// Icon positions with a meaning of their own.
enum Icon {
    TvIcon = 1,
    RadioIcon = 2,
    FavoriteIcon = 3,
    NowPlaying = 28, // the mark of what plays, radio or anything else
    ChannelIcon = 20,
    ComputerIcon = 25,
    FileIcon = 26,
    LiveIcon = 27,
    MovieIcon = 19,
    SilentIcon = 29 // a channel that did not answer its last check
};

TreeLayout build(int view, const Catalogue& catalogue, const LocalFileList& localFiles);

// The file name part of a path: after its last "\" or "/".
QString fileNameOf(const QString& path);

} // namespace TreeBuilder
