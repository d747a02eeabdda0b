#include "net/core/AnnouncementRotation.h"

bool AnnouncementRotation::startTick(int count, bool windowVisible)
{
    if (m_index >= count)
        m_index = 0;
    return windowVisible || !m_offline;
}

AnnouncementRotation::Show AnnouncementRotation::probed(bool online, const QStringList& table)
{
    if (!online) {
        m_offline = true;
        return {Show::Kind::Offline, {}};
    }
    // Before the update check has filled the table there is no line at all: the banner
    // stays as it is and the rotation waits, so that every start shows the first
    // announcement. A count beyond the lines there are starts over at the first.
    if (table.size() < 2)
        return {};
    m_index = m_index + 1 < table.size() ? m_index + 1 : 1;
    const QString line = table[m_index];
    return {line.left(4) == QStringLiteral("http") ? Show::Kind::Address : Show::Kind::Markup, line};
}
