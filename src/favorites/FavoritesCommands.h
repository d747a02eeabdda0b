#pragma once

#include "catalogue/core/ChannelRecord.h"
#include "favorites/FavoriteDialog.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class CatalogueFace;
class FavoritesStore;
class FileDialog;
class LanguageTexts;
class MainWindow;
class ProgramFolder;
struct NowPlaying;
enum class TextId : int;

// The favorites commands of the tree's pop-up menus and the Favorite menu.
class FavoritesCommands final {
public:
    struct Parts {
        const LanguageTexts& texts;
        const ProgramFolder& folder;
        CatalogueFace& catalogue;
        const NowPlaying& nowPlaying; // the files of My Computer, to add one of them
        MainWindow& window;
        FileDialog* files; // may be null: no import or export
    };

    explicit FavoritesCommands(Parts parts);
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
    void message(QWidget* owner, TextId text) const;
    // The favorite selected in the tree, and its index; null when none is.
    const ChannelRecord* selectedFavorite(int* index = nullptr) const;
    void showFavoritesAgain(int selectIndex);
    // True when the favorites file could not be read at start-up; the first time, says why.
    bool changesRefused(QWidget* owner);
    // Passes `done` on; a change the file did not take is reported with the reason.
    bool saved(QWidget* owner, bool done) const;

    const LanguageTexts& m_texts;
    const ProgramFolder& m_folder;
    CatalogueFace& m_view;
    const NowPlaying& m_nowPlaying;
    MainWindow& m_window;
    FileDialog* m_files;
    std::unique_ptr<FavoritesStore> m_store;
    QPointer<FavoriteDialog> m_dialog;
    bool m_toldUnreadable = false;
};
