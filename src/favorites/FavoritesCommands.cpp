#include "favorites/FavoritesCommands.h"

#include "base/FileIo.h"
#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/TreeEvents.h"
#include "catalogue/core/AppState.h"
#include "favorites/FavoriteDialog.h"
#include "favorites/SureImportWindow.h"
#include "favorites/core/FavoritesFile.h"
#include "favorites/core/FavoritesStore.h"
#include "platform/FileDialog.h"
#include "ui/MainWindow.h"
#include "ui/MessageQuestionWindow.h"
#include "ui/WaitingWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

namespace {
enum Text {
    Empty = 81,
    Overwrite = 82,
    Yes = 83,
    No = 84,
    Changed = 85,
    Added = 86,
    ImportQuestion = 87,
    NotFavorites = 88,
    AddCaption = 89,
    ModifyCaption = 90,
    ImportTitle = 43,
    ExportTitle = 44,
    ImportFilter = 45,
    FileName = 46,
    Ok = 47,
    Cancel = 59
};
}

FavoritesCommands::FavoritesCommands(
    AppState& state, MainWindow& window, CatalogueView& view, FileDialog* files)
    : m_state(state),
      m_window(window),
      m_view(view),
      m_files(files),
      m_store(std::make_unique<FavoritesStore>(
          state.catalogue, state.folder.file(QStringLiteral("fav.fav"))))
{
}

FavoritesCommands::~FavoritesCommands() { delete m_dialog; }

void FavoritesCommands::message(QWidget* owner, int text) const
{
    WaitingWindow box(owner, m_window.isTopmost());
    box.showMessage(m_state.texts.text(text), m_state.texts.text(Ok));
}

bool FavoritesCommands::changesRefused(QWidget* owner)
{
    const QString& reason = m_state.catalogue.favoritesUnreadable;
    if (reason.isEmpty())
        return false;
    if (!m_toldUnreadable) {
        m_toldUnreadable = true;
        WaitingWindow box(owner, m_window.isTopmost());
        box.showMessage(QStringLiteral("The favorites file could not be read (%1). It is kept as it is, and "
                                       "favorites cannot be changed until the program starts with a file it can read.")
                            .arg(reason),
            m_state.texts.text(Ok));
    }
    return true;
}

bool FavoritesCommands::saved(QWidget* owner, bool done) const
{
    if (!done && !m_store->lastError().isEmpty()) {
        WaitingWindow box(owner, m_window.isTopmost());
        box.showMessage(QStringLiteral("The favorites could not be saved: %1").arg(m_store->lastError()),
            m_state.texts.text(Ok));
    }
    return done;
}

void FavoritesCommands::showFavoritesAgain(int selectIndex)
{
    if (m_state.currentView != TreeBuilder::Favorites)
        return;
    m_view.filterBy(TreeBuilder::Favorites, true);
    m_view.selectKey(QStringLiteral("F") + QString::number(selectIndex));
}

void FavoritesCommands::addSelectedToFavorites()
{
    const QString key = m_view.selectedKey();
    if (changesRefused(&m_window))
        return;
    if (m_state.currentView == TreeBuilder::MyComputer) {
        const int index = TreeBuilder::keyIndex(key, 3);
        const LocalFileList& files = m_state.playback.localFiles;
        if (index >= 0 && index < files.files.size())
            saved(&m_window, m_store->addFile(files.files[index], m_state.playback.localOperator));
        return;
    }
    if (const ChannelRecord* channel = m_state.catalogue.channel(TreeBuilder::keyIndex(key, 1)))
        saved(&m_window, m_store->addChannel(*channel));
}

void FavoritesCommands::deleteSelected()
{
    const ChannelRecord* favorite = m_state.catalogue.favorite(TreeBuilder::keyIndex(m_view.selectedKey(), 1));
    if (!favorite || changesRefused(&m_window))
        return;
    const QByteArray address = favorite->address;
    if (saved(&m_window, m_store->removeAddress(address)))
        m_view.filterBy(TreeBuilder::Favorites, true);
}

FavoriteDialog& FavoritesCommands::openDialog()
{
    if (!m_dialog) {
        m_dialog = new FavoriteDialog(&m_window, m_window.chromeState(), m_state.texts,
            {[this] { dialogAdd(); }, [this] { dialogModify(); }});
        QObject::connect(m_dialog, &QDialog::finished, &m_window, [this] { m_window.activateWindow(); });
    }
    return *m_dialog;
}

void FavoritesCommands::addFromMenu()
{
    FavoriteDialog& dialog = openDialog();
    dialog.setAddMode(m_state.texts.text(AddCaption));
    dialog.show();
    dialog.raise();
}

void FavoritesCommands::modifySelected()
{
    const int index = TreeBuilder::keyIndex(m_view.selectedKey(), 1);
    const ChannelRecord* favorite = m_state.catalogue.favorite(index);
    if (!favorite)
        return;
    FavoriteDialog& dialog = openDialog();
    dialog.setModifyMode(m_state.texts.text(ModifyCaption), index);
    dialog.nameEdit->setText(favorite->name);
    dialog.addressEdit->setText(StoredField::decodeAddress(favorite->address));
    dialog.infoEdit->setText(favorite->info);
    dialog.selectOperator(favorite->op);
    dialog.selectKind(favorite->kind);
    dialog.show();
    dialog.raise();
}

std::optional<ChannelRecord> FavoritesCommands::typedFavorite(ChannelRecord favorite, bool keepInfoBlanks) const
{
    FavoriteDialog& dialog = *m_dialog;
    favorite.name = dialog.nameEdit->text().trimmed();
    favorite.address = StoredField::encodeAddress(dialog.addressEdit->text().trimmed());
    if (favorite.name.isEmpty() || favorite.address.isEmpty()) {
        QApplication::beep();
        message(&dialog, Empty);
        return std::nullopt;
    }
    favorite.op = dialog.selectedOperator();
    favorite.kind = dialog.selectedKind();
    favorite.info = keepInfoBlanks ? dialog.infoEdit->text() : dialog.infoEdit->text().trimmed();
    return favorite;
}

void FavoritesCommands::dialogAdd()
{
    FavoriteDialog& dialog = *m_dialog;
    if (changesRefused(&dialog))
        return;
    const std::optional<ChannelRecord> typed = typedFavorite({}, false);
    if (!typed)
        return;
    const QByteArray& address = typed->address;
    const int existing = m_store->findAddress(address);
    if (existing < 0) {
        if (!saved(&dialog, m_store->append(*typed)))
            return;
        message(&dialog, Added);
    } else {
        MessageQuestionWindow question(&dialog, m_window.chromeState());
        QApplication::beep();
        const QString tag
            = question.ask(m_state.texts.text(Overwrite), m_state.texts.text(Yes), m_state.texts.text(No));
        if (tag != QStringLiteral("Yes"))
            return;
        // Its country, category and bandwidth stay.
        const std::optional<ChannelRecord> favorite = typedFavorite(m_state.catalogue.favorites[existing], false);
        if (!favorite || !saved(&dialog, m_store->replace(existing, *favorite)))
            return;
        message(&dialog, Changed);
    }
    showFavoritesAgain(m_state.catalogue.favoriteCount() - 1);
}

void FavoritesCommands::dialogModify()
{
    FavoriteDialog& dialog = *m_dialog;
    const ChannelRecord* current = m_state.catalogue.favorite(dialog.favoriteIndex());
    if (!current || changesRefused(&dialog))
        return;
    const std::optional<ChannelRecord> favorite = typedFavorite(*current, true); // information as typed
    if (!favorite || !saved(&dialog, m_store->replace(dialog.favoriteIndex(), *favorite)))
        return;
    message(&dialog, Changed);
    showFavoritesAgain(dialog.favoriteIndex());
}

void FavoritesCommands::exportFavorites()
{
    if (!m_files)
        return;
    const QString target = m_files->saveFile(&m_window, m_state.texts.text(ExportTitle),
        m_state.texts.text(FileName) + QStringLiteral(".FAV"),
        {QStringLiteral("Favorite Files (*.FAV *.fav)")});
    if (target.isEmpty())
        return;
    const FileIo::ReadResult current = FileIo::readWholeFile(m_state.folder.file(QStringLiteral("fav.fav")));
    if (current.ok())
        FileIo::writeFileAtomically(target, current.bytes); // a failure leaves everything as it was
}

void FavoritesCommands::importFavorites()
{
    if (!m_files || changesRefused(&m_window))
        return;
    const LanguageTexts& t = m_state.texts;
    const FileDialog::Choice choice = m_files->openFiles(&m_window, t.text(ImportTitle),
        {t.text(ImportFilter) + QStringLiteral("(*.FAV *.fav *.Fav)")}, false);
    if (choice.files.isEmpty() || !QFileInfo(choice.files.first()).isFile())
        return;
    SureImportWindow sure(&m_window, m_window.chromeState());
    const QString tag = sure.ask(t.text(ImportQuestion), t.text(Yes), t.text(No), t.text(Cancel));
    if (tag == QStringLiteral("Cancel"))
        return;
    const FileIo::ReadResult chosen = FileIo::readWholeFile(choice.files.first());
    if (!chosen.ok() || !FavoritesFile::validateFieldCount(chosen.bytes, 8)) {
        message(&m_window, NotFavorites);
        return;
    }
    const QByteArray bytes
        = tag == QStringLiteral("No") ? chosen.bytes : FavoritesFile::normalised(chosen.bytes);
    if (saved(&m_window, m_store->replaceFile(bytes)) && m_state.currentView == TreeBuilder::Favorites)
        m_view.filterBy(TreeBuilder::Favorites, true);
}
