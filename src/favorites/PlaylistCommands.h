#pragma once

#include "favorites/core/PlaylistFavorites.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

class CatalogueFace;
class FavoritesStore;
class FileDialog;
class LanguageTexts;
class MainWindow;
class M3uReader;
class QProgressDialog;
class Transfer;

// Import Playlist and Export as Playlist: a playlist from this computer or the web becomes
// favorites, read a part at a time behind a progress bar that can cancel, and written
// with one write of the favorites file; the favorites go out as a playlist.
class PlaylistCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlaylistCommands)
public:
    struct Parts {
        const LanguageTexts& texts;
        CatalogueFace& catalogue;
        FavoritesStore& store;
        MainWindow& window;
        FileDialog* files; // may be null: no file to browse for or to export to
        Transfer& transfer;
        // The guides an imported playlist names and the guide ids of the favorites it added.
        std::function<void(const QStringList& guides, const QHash<QByteArray, QString>& guideIds)> guideHints;
    };

    static constexpr qint64 kLargestPlaylist = 64 * 1024 * 1024;
    static constexpr int kLinesAPart = 4000;

    explicit PlaylistCommands(Parts parts);
    ~PlaylistCommands() override;

    void importPlaylist(); // asks where from
    void importFrom(const QString& source); // a file's path or a web address
    void offerImport(const QString& source); // asks, with the source filled in
    void exportPlaylist();

    bool importing() const { return m_reader != nullptr || m_downloading; }
    QProgressDialog* progress() const;
    // What the last import said when it ended.
    const QString& lastSummary() const { return m_summary; }

Q_SIGNALS:
    void importEnded();

private:
    void showProgress(const QString& text, bool knownLength);
    void startReading(QByteArray bytes, QUrl from);
    void readPart();
    void finishReading();
    void cancel();
    void endWith(const QString& message);
    bool changesRefused();

    Parts m_parts;
    QPointer<QProgressDialog> m_progress;
    std::unique_ptr<M3uReader> m_reader;
    std::unique_ptr<PlaylistFavorites::Import> m_import;
    bool m_downloading = false;
    int m_download = 0; // numbers the downloads, so that one cancelled is not taken in later
    QString m_summary;
};
