#pragma once

#include <QString>
#include <QStringList>

// The announcement banner's minute tick: which announcement comes next, and the offline
// state. Line 0 of the table holds the count N; lines 1 to N are the announcements.
class AnnouncementRotation final {
public:
    struct Show {
        enum class Kind { Nothing, Address, Markup, Offline };
        Kind kind = Kind::Nothing;
        QString text; // the address or the markup
    };

    // The tick's first steps: false when nothing is to be fetched (offline while hidden).
    bool startTick(int count, bool windowVisible);
    // What the tick shows once the probe came back, empty or not.
    Show probed(bool online, const QStringList& table);

    bool offline() const { return m_offline; }

private:
    int m_index = 0;
    bool m_offline = false;
};
