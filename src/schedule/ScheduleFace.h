#pragma once

#include "schedule/core/ScheduledProgram.h"

#include <QString>

// What the other features may ask of the scheduled programs: schedule one as the time
// editor does, and whether one is scheduled.
class ScheduleFace {
public:
    virtual ~ScheduleFace() = default;

    // Adds the program unless the same name is already scheduled on the channel; false
    // with the text the time editor would show. The list window follows.
    virtual bool scheduleProgram(const ScheduledProgram& program, QString* whyNot) = 0;
    // Whether this program is scheduled: its name on the channel of this stored address,
    // starting then (a day number).
    virtual bool isScheduled(const ScheduledProgram& program) const = 0;

protected:
    ScheduleFace() = default;
    ScheduleFace(const ScheduleFace&) = default;
    ScheduleFace& operator=(const ScheduleFace&) = default;
};
