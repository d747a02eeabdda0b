#pragma once

#include <functional>

// Switching the computer off, for the turn-off timer.
class PowerControl {
public:
    // What the system answered: powering off was requested, or why it cannot be.
    enum class Outcome { Requested, NotAllowed, NeedsAuthentication, NotAvailable, NoAnswer };

    virtual ~PowerControl() = default;
    // Asks whether this user may power the computer off and, when so, asks for it. `done`
    // gets the outcome, later; the call itself never waits.
    virtual void powerOffIfAllowed(std::function<void(Outcome)> done) = 0;
};
