#pragma once

#include "catalogue/core/ChannelRecord.h"
#include "favorites/FavoriteDialog.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

struct AppState;
class CatalogueView;
class FavoritesStore;
class FileDialog;
class MainWindow;

// The favorites commands of the tree's pop-up menus and the Favorite menu.
class FavoritesCommands final {
public:
    FavoritesCommands(AppState& state, MainWindow& window, CatalogueView& view, FileDialog* files);
    ~FavoritesCommands();
    FavoritesCommands(const FavoritesCommands&) = delete;
    FavoritesCommands& operator=(const FavoritesCommands&) = delete;

    void addSelectedToFavorites(); // addToFavoritesAction
    void deleteSelected(); // favoriteDeleteAction
    void modifySelected(); // favoriteModifyAction
    void addFromMenu(); // addFavoriteAction
    void exportFavorites(); // exportAction
    void importFavorites(); // importAction

    FavoriteDialog* dialog() const { return m_dialog; }
    FavoritesStore& store() { return *m_store; }

private:
    FavoriteDialog& openDialog();
    // The favorite as typed in the dialog over `favorite`; nothing, after telling the
    // user, when the name or address is missing.
    std::optional<ChannelRecord> typedFavorite(ChannelRecord favorite, bool keepInfoBlanks) const;
    void dialogAdd();
    void dialogModify();
    void message(QWidget* owner, int text) const;
    void showFavoritesAgain(int selectIndex);
    // True when the favorites file could not be read at start-up; the first time, says why.
    bool changesRefused(QWidget* owner);
    // Passes `done` on; a change the file did not take is reported with the reason.
    bool saved(QWidget* owner, bool done) const;

    AppState& m_state;
    MainWindow& m_window;
    CatalogueView& m_view;
    FileDialog* m_files;
    std::unique_ptr<FavoritesStore> m_store;
    QPointer<FavoriteDialog> m_dialog;
    bool m_toldUnreadable = false;
};
