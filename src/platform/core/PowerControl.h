#pragma once

#include <QString>

// Switching the computer off, for the turn-off timer.
class PowerControl {
public:
    virtual ~PowerControl() = default;
    // Asks the system to power off now; returns the error text, empty when requested.
    virtual QString powerOff() = 0;
};
