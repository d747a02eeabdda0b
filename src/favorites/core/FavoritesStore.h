#pragma once

#include "catalogue/core/Catalogue.h"

#include <QString>
#include <QVector>

// The favorites in memory and their file, kept in step: every change is written at once,
// atomically, and is made in memory only when the file took it. Lines of the file that
// were not read stay in it, after the favorites; a file that could not be read at all is
// never replaced.
class FavoritesStore final {
public:
    FavoritesStore(Catalogue& catalogue, QString path);

    // The index of the first favorite with exactly this stored address, or -1.
    int findAddress(QByteArrayView address) const;

    // Adding a catalogue channel: refreshes the first favorite with its address, or appends.
    bool addChannel(const ChannelRecord& channel);
    // Adding a file of the "My Computer" list: nothing when its address is there already.
    bool addFile(const QString& path, std::uint8_t op);
    bool append(const ChannelRecord& favorite);
    // Appends all of them with one write of the file.
    bool appendAll(const QVector<ChannelRecord>& favorites);
    bool replace(int index, const ChannelRecord& favorite);
    // Removes every favorite with this address.
    bool removeAddress(QByteArrayView address);
    // Replaces the file with these bytes and reads the favorites from it.
    bool replaceFile(const QByteArray& bytes);
    bool reload();

    // Why the last change failed; empty after a change that succeeded.
    const QString& lastError() const { return m_error; }

private:
    bool commit(QVector<ChannelRecord> next);

    Catalogue& m_catalogue;
    QVector<ChannelRecord>& m_favorites;
    QString m_path;
    QString m_error;
};
