#include "favorites/PlaylistCommands.h"

#include "base/FileIo.h"
#include "catalogue/CatalogueFace.h"
#include "catalogue/core/Catalogue.h"
#include "catalogue/core/ListFormat.h"
#include "catalogue/core/M3uPlaylist.h"
#include "favorites/PlaylistSourceDialog.h"
#include "favorites/core/FavoritesStore.h"
#include "platform/FileDialog.h"
#include "platform/core/Transfer.h"
#include "state/LanguageTexts.h"
#include "state/TextId.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTimer>

namespace {

const QStringList kPlaylistFilters {QStringLiteral("Playlists (*.m3u *.m3u8 *.M3U *.M3U8)")};

bool isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"));
}

} // namespace

PlaylistCommands::PlaylistCommands(Parts parts) : m_parts(parts) { }

PlaylistCommands::~PlaylistCommands() { delete m_progress; }

QProgressDialog* PlaylistCommands::progress() const { return m_progress; }

bool PlaylistCommands::changesRefused()
{
    const QString& reason = m_parts.catalogue.catalogue().favoritesUnreadable;
    if (reason.isEmpty())
        return false;
    endWith(QStringLiteral("The favorites file could not be read (%1), so no favorites can be added.")
                .arg(reason));
    return true;
}

void PlaylistCommands::importPlaylist() { offerImport({}); }

void PlaylistCommands::offerImport(const QString& proposed)
{
    if (importing() || changesRefused())
        return;
    FileDialog* files = m_parts.files;
    PlaylistSourceDialog dialog(&m_parts.window, m_parts.window.chromeState(), [this, files]() -> QString {
        if (!files)
            return {};
        const QStringList chosen
            = files->openFiles(&m_parts.window, QStringLiteral("Import Playlist"), kPlaylistFilters, false)
                  .files;
        return chosen.value(0);
    });
    dialog.sourceEdit->setText(proposed);
    const QString source = dialog.ask();
    if (!source.isEmpty())
        importFrom(source);
}

void PlaylistCommands::importFrom(const QString& source)
{
    if (importing() || changesRefused())
        return;
    const QUrl url(source);
    if (isWebAddress(url)) {
        showProgress(QStringLiteral("Downloading the playlist..."), false);
        m_downloading = true;
        const int download = ++m_download;
        const QPointer<PlaylistCommands> self(this); // the answer may come after the program closed
        m_parts.transfer.fetch(
            url, kLargestPlaylist, [self, this, url, download](const Transfer::Result& result) {
                if (!self || download != m_download)
                    return; // cancelled meanwhile
                m_downloading = false;
                if (!result.ok())
                    endWith(QStringLiteral("The playlist could not be downloaded: %1").arg(result.error));
                else
                    startReading(result.bytes, url);
            });
        return;
    }
    const QString path = url.isLocalFile() ? url.toLocalFile() : source;
    const FileIo::ReadResult read = FileIo::readWholeFile(path, kLargestPlaylist);
    if (!read.ok()) {
        endWith(QStringLiteral("The playlist could not be read: %1").arg(read.error));
        return;
    }
    showProgress(QStringLiteral("Reading the playlist..."), true);
    startReading(read.bytes, QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void PlaylistCommands::showProgress(const QString& text, bool knownLength)
{
    if (!m_progress) {
        m_progress = new QProgressDialog(&m_parts.window);
        m_progress->setObjectName(QStringLiteral("PlaylistProgress"));
        m_progress->setWindowTitle(QStringLiteral("Import Playlist"));
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setMinimumDuration(0);
        m_progress->setAutoReset(false);
        m_progress->setAutoClose(false);
        m_progress->setCancelButtonText(m_parts.texts.text(TextId::Cancel));
        connect(m_progress, &QProgressDialog::canceled, this, &PlaylistCommands::cancel);
    }
    m_progress->setLabelText(text);
    m_progress->setRange(0, knownLength ? 1000 : 0);
    m_progress->setValue(0);
    m_progress->show();
}

void PlaylistCommands::startReading(QByteArray bytes, QUrl from)
{
    showProgress(QStringLiteral("Reading the playlist..."), true);
    const int room = ListFormat::kMaxRecords - m_parts.catalogue.catalogue().favoriteCount();
    m_import
        = std::make_unique<PlaylistFavorites::Import>(m_parts.catalogue.catalogue().favorites, from, room);
    m_reader = std::make_unique<M3uReader>(std::move(bytes));
    QTimer::singleShot(0, this, &PlaylistCommands::readPart);
}

// One part a turn of the event loop: the window repaints and Cancel answers in between.
void PlaylistCommands::readPart()
{
    if (!m_reader)
        return;
    M3uPlaylist part;
    m_reader->read(kLinesAPart, part);
    m_import->take(part);
    if (m_progress)
        m_progress->setValue(static_cast<int>(m_reader->progress() * 1000)); // may run a Cancel
    if (!m_reader)
        return;
    if (m_reader->atEnd())
        finishReading();
    else
        QTimer::singleShot(0, this, &PlaylistCommands::readPart);
}

void PlaylistCommands::finishReading()
{
    m_reader.reset();
    const std::unique_ptr<PlaylistFavorites::Import> import = std::move(m_import);
    if (!import->added().isEmpty() && !m_parts.store.appendAll(import->added())) {
        endWith(QStringLiteral("The favorites could not be saved: %1").arg(m_parts.store.lastError()));
        return;
    }
    if (m_parts.guideHints && (!import->guides().isEmpty() || !import->guideIds().isEmpty()))
        m_parts.guideHints(import->guides(), import->guideIds());
    if (!import->added().isEmpty()) {
        if (m_parts.catalogue.currentView() == TreeBuilder::Favorites)
            m_parts.catalogue.rebuildView();
        else
            m_parts.catalogue.showView(TreeBuilder::Favorites);
    }
    QString summary
        = QStringLiteral("%1 favorites added, %2 already among the favorites, %3 entries unreadable.")
              .arg(import->added().size())
              .arg(import->skipped())
              .arg(import->unreadable());
    if (import->overflow() > 0)
        summary += QStringLiteral(" %1 not added: the favorites hold at most %2.")
                       .arg(import->overflow())
                       .arg(ListFormat::kMaxRecords);
    endWith(summary);
}

void PlaylistCommands::cancel()
{
    ++m_download; // a download still running is not taken in
    m_downloading = false;
    m_reader.reset();
    m_import.reset();
    if (m_progress)
        m_progress->hide();
    m_summary = QStringLiteral("cancelled");
    Q_EMIT importEnded();
}

void PlaylistCommands::endWith(const QString& message)
{
    if (m_progress)
        m_progress->hide();
    m_summary = message;
    Q_EMIT importEnded();
    WaitingWindow box(&m_parts.window, m_parts.window.isTopmost());
    box.showMessage(message, m_parts.texts.text(TextId::Ok));
}

void PlaylistCommands::exportPlaylist()
{
    if (!m_parts.files)
        return;
    const QString target = m_parts.files->saveFile(&m_parts.window, QStringLiteral("Export as Playlist"),
        QStringLiteral("Favorites.m3u"), kPlaylistFilters);
    if (target.isEmpty())
        return;
    const QString error = FileIo::writeFileAtomically(
        target, PlaylistFavorites::toPlaylist(m_parts.catalogue.catalogue().favorites));
    if (!error.isEmpty())
        endWith(QStringLiteral("The playlist could not be written: %1").arg(error));
}
