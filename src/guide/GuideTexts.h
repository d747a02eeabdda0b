#pragma once

#include "guide/core/GuideTable.h"

#include <QDateTime>
#include <QString>

// How the guide writes its times and programmes for the user: local time of day, and a
// line "18:00–19:30 Title".
namespace GuideTexts {

inline QDateTime local(qint64 utc) { return QDateTime::fromSecsSinceEpoch(utc).toLocalTime(); }
inline QString clock(qint64 utc) { return local(utc).toString(QStringLiteral("HH:mm")); }

inline QString span(const GuideTable& table, const GuideTable::Programme& p)
{
    return QStringLiteral("%1\u2013%2 %3").arg(clock(p.start), clock(p.stop), table.text(p.title));
}

} // namespace GuideTexts
