#pragma once

#include <QDateTime>

#include <optional>

// Dates as the scheduled-programs file stores them: days since 30 December 1899, the
// fraction the time of day. A negative number counts its days back from that date and
// its time of day forward, as the format always did.
namespace DayNumber {

// The first and the last day the format has: 1 January 100 and 31 December 9999.
inline constexpr double kFirst = -657434.0;
inline constexpr double kLast = 2958466.0;

// Nothing for a number that is not finite or lies outside those years.
std::optional<QDateTime> toDateTime(double dayNumber);
double fromDateTime(const QDateTime& moment);
// A time of day alone: its date is 30 December 1899.
double fromTime(const QTime& time);

// Every-day programs carry a date in 1899.
bool isEveryDay(double dayNumber);

} // namespace DayNumber
