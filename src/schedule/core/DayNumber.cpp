#include "schedule/core/DayNumber.h"

#include <cmath>

namespace DayNumber {

namespace {

const QDate kEpoch(1899, 12, 30);

} // namespace

std::optional<QDateTime> toDateTime(double dayNumber)
{
    if (!std::isfinite(dayNumber) || dayNumber < kFirst || dayNumber >= kLast)
        return std::nullopt;
    const double days = std::trunc(dayNumber);
    // Whole seconds; a time that rounds up to midnight stays on its day's last second.
    const qint64 seconds = std::min<qint64>(std::llround(std::fabs(dayNumber - days) * 86400.0), 86399);
    return QDateTime(kEpoch.addDays(static_cast<qint64>(days)), QTime(0, 0).addSecs(static_cast<int>(seconds)));
}

double fromDateTime(const QDateTime& moment)
{
    const auto days = static_cast<double>(kEpoch.daysTo(moment.date()));
    const double time = moment.time().msecsSinceStartOfDay() / 1000 / 86400.0;
    return days >= 0 ? days + time : days - time;
}

double fromTime(const QTime& time) { return time.msecsSinceStartOfDay() / 1000 / 86400.0; }

bool isEveryDay(double dayNumber)
{
    const std::optional<QDateTime> moment = toDateTime(dayNumber);
    return moment && moment->date().year() == 1899;
}

} // namespace DayNumber
