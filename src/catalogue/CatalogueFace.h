#pragma once

#include "catalogue/core/ItemKey.h"
#include "catalogue/core/TreeBuilder.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

class QIcon;
struct Catalogue;

// What the other features may ask of the catalogue: its lists in memory, the tree's
// view and selection, the mark of what plays, and reading the lists again.
class CatalogueFace {
public:
    virtual ~CatalogueFace() = default;

    virtual Catalogue& catalogue() = 0;

    virtual TreeBuilder::View currentView() const = 0;
    // Switches the view selector to `view` when another view shows; the selector builds it.
    virtual void showView(TreeBuilder::View view) = 0;
    // Builds the view that shows anew, from the catalogue as it is now.
    virtual void rebuildView() = 0;

    // Selects the item's node and scrolls it into sight; nothing when the view has none.
    virtual void reveal(ItemKey key) = 0;
    // The item selected in the tree; nothing when a branch or no node is selected.
    virtual std::optional<ItemKey> selectedItem() const = 0;
    // The item `step` places after (before, when negative) what plays, else the selected
    // node, among the items of its branch, wrapping; a selected branch starts at its first.
    virtual std::optional<ItemKey> neighbourItem(int step) const = 0;
    // The picture of the selected item: its country's flag where the tree shows one
    // above it, else the icon of its node.
    virtual QIcon selectedItemIcon() const = 0;

    // Marks the item as what plays, unmarking the one before; nothing marks none.
    virtual void markPlaying(std::optional<ItemKey> key) = 0;
    // Moves the playing mark among the files of My Computer, when that view shows.
    virtual void moveFileMark(int from, int to) = 0;

    // The channels that did not answer their last check, by address as stored, with the
    // tooltip each shows; the tree marks them in every view.
    virtual void setSilentChannels(QHash<QByteArray, QString> toolTips) = 0;
    // The stored addresses of the channels and favorites under the selected node (or of the
    // selected one), or in the whole view; movie-store pages and files are none.
    virtual QVector<QByteArray> addressesUnderSelection() const = 0;
    virtual QVector<QByteArray> addressesInView() const = 0;

    // More for an item's tooltip (what is on now, say); asked as the tooltip shows.
    virtual void setToolTipSource(std::function<QString(ItemKey)> source) = 0;

    // Reads the lists and favorites from disk again and shows them by country.
    virtual void reloadLists() = 0;

protected:
    CatalogueFace() = default;
    CatalogueFace(const CatalogueFace&) = default;
    CatalogueFace& operator=(const CatalogueFace&) = default;
};
