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
    // Before the update check has filled the table there is no next line: the banner stays
    // as it is and the rotation waits, so that every start shows the first announcement.
    if (m_index + 1 >= table.size())
        return {};
    const QString line = table[++m_index];
    return {line.left(4) == QStringLiteral("http") ? Show::Kind::Address : Show::Kind::Markup, line};
}
