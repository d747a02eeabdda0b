#include "favorites/FavoritesCommands.h"

#include "base/FileIo.h"
#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "catalogue/CatalogueFace.h"
#include "catalogue/core/Catalogue.h"
#include "favorites/FavoriteDialog.h"
#include "favorites/SureImportWindow.h"
#include "favorites/core/FavoritesFile.h"
#include "favorites/core/FavoritesStore.h"
#include "platform/FileDialog.h"
#include "playback/core/NowPlaying.h"
#include "state/LanguageTexts.h"
#include "state/ProgramFolder.h"
#include "state/TextId.h"
#include "ui/MainWindow.h"
#include "ui/MessageQuestionWindow.h"
#include "ui/WaitingWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

FavoritesCommands::FavoritesCommands(Parts parts)
    : m_texts(parts.texts),
      m_folder(parts.folder),
      m_view(parts.catalogue),
      m_nowPlaying(parts.nowPlaying),
      m_window(parts.window),
      m_files(parts.files),
      m_store(std::make_unique<FavoritesStore>(m_view.catalogue(), m_folder.file(QStringLiteral("fav.fav"))))
{
}

FavoritesCommands::~FavoritesCommands() { delete m_dialog; }

void FavoritesCommands::message(QWidget* owner, TextId text) const
{
    WaitingWindow box(owner, m_window.isTopmost());
    box.showMessage(m_texts.text(text), m_texts.text(TextId::Ok));
}

bool FavoritesCommands::changesRefused(QWidget* owner)
{
    const QString& reason = m_view.catalogue().favoritesUnreadable;
    if (reason.isEmpty())
        return false;
    if (!m_toldUnreadable) {
        m_toldUnreadable = true;
        WaitingWindow box(owner, m_window.isTopmost());
        box.showMessage(
            QStringLiteral("The favorites file could not be read (%1). It is kept as it is, and "
                           "favorites cannot be changed until the program starts with a file it can read.")
                .arg(reason),
            m_texts.text(TextId::Ok));
    }
    return true;
}

bool FavoritesCommands::saved(QWidget* owner, bool done) const
{
    if (!done && !m_store->lastError().isEmpty()) {
        WaitingWindow box(owner, m_window.isTopmost());
        box.showMessage(QStringLiteral("The favorites could not be saved: %1").arg(m_store->lastError()),
            m_texts.text(TextId::Ok));
    }
    return done;
}

void FavoritesCommands::showFavoritesAgain(int selectIndex)
{
    if (m_view.currentView() != TreeBuilder::Favorites)
        return;
    m_view.rebuildView();
    m_view.reveal(ItemKey::favorite(selectIndex));
}

void FavoritesCommands::addSelectedToFavorites()
{
    const std::optional<ItemKey> item = m_view.selectedItem();
    if (changesRefused(&m_window) || !item)
        return;
    if (item->kind == ItemKey::Kind::LocalFile) {
        const LocalFileList& files = m_nowPlaying.localFiles;
        if (item->index < files.files.size())
            saved(&m_window, m_store->addFile(files.files[item->index], m_nowPlaying.localOperator));
        return;
    }
    if (item->kind != ItemKey::Kind::Channel)
        return;
    if (const ChannelRecord* channel = m_view.catalogue().channel(item->index))
        saved(&m_window, m_store->addChannel(*channel));
}

const ChannelRecord* FavoritesCommands::selectedFavorite(int* index) const
{
    const std::optional<ItemKey> item = m_view.selectedItem();
    if (!item || item->kind != ItemKey::Kind::Favorite)
        return nullptr;
    if (index)
        *index = item->index;
    return m_view.catalogue().favorite(item->index);
}

void FavoritesCommands::deleteSelected()
{
    const ChannelRecord* favorite = selectedFavorite();
    if (!favorite || changesRefused(&m_window))
        return;
    const QByteArray address = favorite->address.toByteArray();
    if (saved(&m_window, m_store->removeAddress(address)) && m_view.currentView() == TreeBuilder::Favorites)
        m_view.rebuildView();
}

FavoriteDialog& FavoritesCommands::openDialog()
{
    if (!m_dialog) {
        m_dialog = new FavoriteDialog(&m_window, m_window.chromeState(), m_texts,
            {[this] { dialogAdd(); }, [this] { dialogModify(); }});
        QObject::connect(m_dialog, &QDialog::finished, &m_window, [this] { m_window.activateWindow(); });
    }
    return *m_dialog;
}

void FavoritesCommands::addFromMenu()
{
    FavoriteDialog& dialog = openDialog();
    dialog.setAddMode(m_texts.text(TextId::AddFavoriteTitle));
    dialog.show();
    dialog.raise();
}

void FavoritesCommands::modifySelected()
{
    int index = -1;
    const ChannelRecord* favorite = selectedFavorite(&index);
    if (!favorite)
        return;
    FavoriteDialog& dialog = openDialog();
    dialog.setModifyMode(m_texts.text(TextId::ModifyFavoriteTitle), index);
    dialog.nameEdit->setText(favorite->name);
    dialog.addressEdit->setText(StoredField::decodeAddress(favorite->address));
    dialog.infoEdit->setText(favorite->info.toString());
    dialog.selectOperator(favorite->op);
    dialog.selectKind(favorite->kind);
    dialog.show();
    dialog.raise();
}

std::optional<ChannelRecord> FavoritesCommands::typedFavorite(
    ChannelRecord favorite, bool keepInfoBlanks) const
{
    FavoriteDialog& dialog = *m_dialog;
    favorite.name = dialog.nameEdit->text().trimmed();
    favorite.address = StoredField::encodeAddress(dialog.addressEdit->text().trimmed());
    if (favorite.name.isEmpty() || favorite.address.isEmpty()) {
        QApplication::beep();
        message(&dialog, TextId::TypeNameAndAddress);
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
    const QByteArray address = typed->address.toByteArray();
    const int existing = m_store->findAddress(address);
    if (existing < 0) {
        if (!saved(&dialog, m_store->append(*typed)))
            return;
        message(&dialog, TextId::FavoriteAdded);
    } else {
        MessageQuestionWindow question(&dialog, m_window.chromeState());
        QApplication::beep();
        const QString tag = question.ask(
            m_texts.text(TextId::SameAddressQuestion), m_texts.text(TextId::Yes), m_texts.text(TextId::No));
        if (tag != QStringLiteral("Yes"))
            return;
        // Its country, category and bandwidth stay.
        const std::optional<ChannelRecord> favorite
            = typedFavorite(m_view.catalogue().favorites[existing], false);
        if (!favorite || !saved(&dialog, m_store->replace(existing, *favorite)))
            return;
        message(&dialog, TextId::FavoriteChanged);
    }
    showFavoritesAgain(m_view.catalogue().favoriteCount() - 1);
}

void FavoritesCommands::dialogModify()
{
    FavoriteDialog& dialog = *m_dialog;
    const ChannelRecord* current = m_view.catalogue().favorite(dialog.favoriteIndex());
    if (!current || changesRefused(&dialog))
        return;
    const std::optional<ChannelRecord> favorite = typedFavorite(*current, true); // information as typed
    if (!favorite || !saved(&dialog, m_store->replace(dialog.favoriteIndex(), *favorite)))
        return;
    message(&dialog, TextId::FavoriteChanged);
    showFavoritesAgain(dialog.favoriteIndex());
}

void FavoritesCommands::exportFavorites()
{
    if (!m_files)
        return;
    const QString target = m_files->saveFile(&m_window, m_texts.text(TextId::ExportFavoritesTitle),
        m_texts.text(TextId::FavoritesTitle) + QStringLiteral(".FAV"),
        {QStringLiteral("Favorite Files (*.FAV *.fav)")});
    if (target.isEmpty())
        return;
    const FileIo::ReadResult current = FileIo::readWholeFile(m_folder.file(QStringLiteral("fav.fav")));
    if (current.ok())
        FileIo::writeFileAtomically(target, current.bytes); // a failure leaves everything as it was
}

void FavoritesCommands::importFavorites()
{
    if (!m_files || changesRefused(&m_window))
        return;
    const LanguageTexts& t = m_texts;
    const FileDialog::Choice choice = m_files->openFiles(&m_window, t.text(TextId::ImportFavoritesTitle),
        {t.text(TextId::FavoritesFileType) + QStringLiteral("(*.FAV *.fav *.Fav)")}, false);
    if (choice.files.isEmpty() || !QFileInfo(choice.files.first()).isFile())
        return;
    SureImportWindow sure(&m_window, m_window.chromeState());
    const QString tag = sure.ask(t.text(TextId::ReplaceFavoritesQuestion), t.text(TextId::Yes),
        t.text(TextId::No), t.text(TextId::Cancel));
    if (tag == QStringLiteral("Cancel"))
        return;
    const FileIo::ReadResult chosen = FileIo::readWholeFile(choice.files.first());
    if (!chosen.ok() || !FavoritesFile::validateFieldCount(chosen.bytes, 8)) {
        message(&m_window, TextId::NotAFavoritesFile);
        return;
    }
    const QByteArray bytes
        = tag == QStringLiteral("No") ? chosen.bytes : FavoritesFile::normalised(chosen.bytes);
    if (saved(&m_window, m_store->replaceFile(bytes)) && m_view.currentView() == TreeBuilder::Favorites)
        m_view.rebuildView();
}
