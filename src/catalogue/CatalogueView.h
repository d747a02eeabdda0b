#pragma once

#include <QModelIndex>
#include <QString>

#include <memory>

struct AppState;
class CatalogueTreeModel;
class MainWindow;
class TreeIcons;

// FilterBy: builds the catalogue tree of a view and puts the playing mark back.
class CatalogueView final {
public:
    CatalogueView(AppState& state, MainWindow& window);
    ~CatalogueView();
    CatalogueView(const CatalogueView&) = delete;
    CatalogueView& operator=(const CatalogueView&) = delete;

    // Rebuilds the tree in view `which` (0 to 3). Without `repeat` nothing happens when
    // that view already shows; with an empty catalogue nothing happens at all.
    void filterBy(int which, bool repeat);

    CatalogueTreeModel& model() { return *m_model; }
    const TreeIcons& icons() const { return *m_icons; }
    QModelIndex selectedIndex() const;
    QString selectedKey() const;
    // Marks the node with this key as playing with the icon for `kind`, unmarking the last one.
    void markPlaying(const QString& key, int kind);
    void selectKey(const QString& key);

private:
    void restorePlayingMark();

    AppState& m_state;
    MainWindow& m_window;
    std::unique_ptr<TreeIcons> m_icons;
    std::unique_ptr<CatalogueTreeModel> m_model;
};
