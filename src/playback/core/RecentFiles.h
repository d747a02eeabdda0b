#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>

// The recent-files list `mruf`: "operator|name|scrambled address" a line, newest first.
class RecentFiles final {
public:
    static constexpr int kMaxEntries = 15;

    struct Entry {
        std::uint8_t op = 0;
        QString name;
        QByteArray address; // scrambled, exactly as in the file
        bool operator==(const Entry&) const = default;
    };

    // Reads up to 15 entries; a bad line (fewer than three fields, a player that is no
    // number from 0 to 255) ends the reading, keeping the entries before it.
    static RecentFiles fromBytes(const QByteArray& bytes);

    const QVector<Entry>& entries() const { return m_entries; }
    bool complete() const { return m_complete; }

    // The file after playing an item: it on top, any entry with the same address gone,
    // at most 15 lines. `root` is the plain address. Nothing when the address cannot be
    // stored at all.
    std::optional<QByteArray> withOnTop(std::uint8_t op, const QString& root, const QString& name) const;

private:
    QVector<Entry> m_entries;
    bool m_complete = true;
};

// The number after "mru=" on settings line 7 as the menu takes it: 0 to 255, or nothing.
std::optional<int> recentMenuLimit(const QString& line7);
