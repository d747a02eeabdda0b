#pragma once

#include "base/SharedBytes.h"
#include "catalogue/CatalogueFace.h"

#include <QMetaObject>
#include <QModelIndex>
#include <QString>

#include <memory>

class CatalogueLoader;
class CatalogueTreeModel;
class LanguageTexts;
class MainWindow;
class TreeIcons;
struct LocalFileList;

// The catalogue tree of the main window: builds the tree of a view (FilterBy), keeps the
// mark of what plays, and is the catalogue's face to the other features.
class CatalogueView final : public CatalogueFace {
public:
    struct Parts {
        Catalogue& catalogue;
        const LocalFileList& localFiles;
        const LanguageTexts& texts;
        MainWindow& window;
        CatalogueLoader& loader;
    };

    explicit CatalogueView(Parts parts);
    ~CatalogueView() override;
    CatalogueView(const CatalogueView&) = delete;
    CatalogueView& operator=(const CatalogueView&) = delete;

    // Rebuilds the tree in view `which` (0 to 3). Without `repeat` nothing happens when
    // that view already shows; with an empty catalogue nothing happens at all.
    void filterBy(int which, bool repeat);

    CatalogueTreeModel& model() { return *m_model; }
    const TreeIcons& icons() const { return *m_icons; }
    QModelIndex selectedIndex() const;
    QString selectedKey() const;

    Catalogue& catalogue() override { return m_parts.catalogue; }
    TreeBuilder::View currentView() const override { return m_view; }
    void showView(TreeBuilder::View view) override;
    void rebuildView() override;
    void reveal(ItemKey key) override;
    std::optional<ItemKey> selectedItem() const override;
    std::optional<ItemKey> neighbourItem(int step) const override;
    QIcon selectedItemIcon() const override;
    void markPlaying(std::optional<ItemKey> key) override;
    void moveFileMark(int from, int to) override;
    void reloadLists() override;
    void setSilentChannels(QHash<QByteArray, QString> toolTips) override;
    void setToolTipSource(std::function<QString(ItemKey)> source) override;
    QVector<QByteArray> addressesUnderSelection() const override;
    QVector<QByteArray> addressesInView() const override;

private:
    void restorePlayingMark();
    void applySilentMarks();
    // The stored address of a channel or favorite the check can ask; null for anything else.
    const SharedBytes* checkableAddress(const QModelIndex& index) const;
    QVector<QByteArray> addressesBelow(const QModelIndex& index) const;
    int ownIconOf(const std::optional<ItemKey>& key) const;
    void select(const QModelIndex& index);

    Parts m_parts;
    std::unique_ptr<TreeIcons> m_icons;
    std::unique_ptr<CatalogueTreeModel> m_model;
    TreeBuilder::View m_view = TreeBuilder::ByCategory; // the view shown; view 0 until the first build
    std::optional<ItemKey> m_playing; // the item marked as playing
    QHash<QByteArray, QString> m_silent; // the channels that did not answer, with their tooltips
    QMetaObject::Connection m_selectorClick;
};
