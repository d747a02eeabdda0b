#pragma once

#include "catalogue/core/ChannelRecord.h"

#include <QString>
#include <QVector>

// The favorites in memory and their file, kept in step: every change is written at once,
// atomically, and is made in memory only when the file took it.
class FavoritesStore final {
public:
    FavoritesStore(QVector<ChannelRecord>& favorites, QString path);

    // The index of the first favorite with exactly this stored address, or -1.
    int findAddress(const QByteArray& address) const;

    // Adding a catalogue channel: refreshes the first favorite with its address, or appends.
    bool addChannel(const ChannelRecord& channel);
    // Adding a file of the "My Computer" list: nothing when its address is there already.
    bool addFile(const QString& path, std::uint8_t op);
    bool append(const ChannelRecord& favorite);
    bool replace(int index, const ChannelRecord& favorite);
    // Removes every favorite with this address.
    bool removeAddress(const QByteArray& address);
    // Replaces the file with these bytes and reads the favorites from it.
    bool replaceFile(const QByteArray& bytes);
    bool reload();


private:
    bool commit(QVector<ChannelRecord> next);

    QVector<ChannelRecord>& m_favorites;
    QString m_path;
    QString m_error;
};
