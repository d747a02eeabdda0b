#pragma once

// Tells whether another copy of the program already runs for this program folder.
class SingleInstanceGuard {
public:
    virtual ~SingleInstanceGuard() = default;
    // True when this copy is the only one; it then holds the claim until destroyed.
    virtual bool claim() = 0;
};
