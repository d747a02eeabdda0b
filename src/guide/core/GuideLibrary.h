#pragma once

#include "base/FileIo.h"
#include "guide/core/GuideTable.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <atomic>
#include <functional>
#include <memory>

class Transfer;

// The programme guides the program knows: the vendor's, those named by imported playlists
// and those the user added. Each is fetched in the background when its copy is older than
// a day (and on Update lists), kept in the program folder only once it read whole, and all
// are read into one table off the user-interface thread.
//
// Files in the program folder: `guidesources` (the added sources, one a line),
// `guideids` (the guide id an imported playlist gave a channel, by its stored address) and
// `guides/` (the last good copy of each source).
class GuideLibrary final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuideLibrary)
public:
    struct Parts {
        QString folder; // the program folder
        Transfer& transfer;
        QUrl vendorGuide; // the vendor's guide, always the first source
        std::function<QDateTime()> clock;
    };

    static constexpr qint64 kMostDownloaded = 128LL * 1024 * 1024;
    static constexpr qint64 kMostUnpacked = 1024LL * 1024 * 1024;
    static constexpr qint64 kFreshForSeconds = 24 * 3600;

    explicit GuideLibrary(Parts parts);
    ~GuideLibrary() override;

    // The table of every guide read; empty until the first reading ends.
    std::shared_ptr<const GuideTable> table() const { return m_table; }
    QStringList sources() const;

    // Reads the sources, ids and kept copies, then fetches what is stale.
    void start();
    // Fetches every source now (Update lists).
    void refreshAll();
    // Adds a source (an http(s) address, or a file) and fetches it; false, with `why`, when
    // it is no address or file, or the list could not be written.
    bool addSource(const QString& source, QString* why);
    // Remembers the guide ids of channels by their stored addresses.
    void noteGuideIds(const QHash<QByteArray, QString>& ids);
    QString guideIdOf(const QByteArray& storedAddress) const { return m_ids.value(storedAddress); }

    // A source as the library keeps it: a web address as a URL, a file as its path; empty
    // for anything else.
    static QString normalSource(const QString& source);
    // The `guideids` file's bytes: a line "stored address|guide id" a channel, in the
    // order of the addresses.
    static QByteArray idsToBytes(const QHash<QByteArray, QString>& ids);
    // Where a source's last good copy is kept.
    QString keptCopyOf(const QString& source) const;

Q_SIGNALS:
    void changed(); // a new table
    void fetched(const QString& source, const QString& error); // error empty: kept and read

private:
    void fetchStale(bool all);
    void fetch(const QString& source);
    void checkAndKeep(const QString& source, std::function<FileIo::ReadResult()> obtain);
    void readKeptCopies();
    // Runs `work` on a thread of its own; `then` runs here after, unless this is gone.
    void inBackground(std::function<std::function<void()>()> work);
    bool writeSources(const QStringList& added, QString* why);

    Parts m_parts;
    QStringList m_added; // the sources the user or playlists added
    QHash<QByteArray, QString> m_ids;
    std::shared_ptr<const GuideTable> m_table;
    std::shared_ptr<std::atomic<bool>> m_alive;
    quint64 m_readings = 0; // a later reading's table replaces an earlier one's, never the reverse
};
