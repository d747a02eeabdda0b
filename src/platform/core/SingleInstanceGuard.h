#pragma once

#include <QString>

#include <functional>

// Tells whether another copy of the program already runs for this program folder.
class SingleInstanceGuard {
public:
    virtual ~SingleInstanceGuard() = default;
    // True when this copy is the only one; it then holds the claim until destroyed.
    virtual bool claim() = 0;
    // The running copy: `received` gets each argument a later copy hands over.
    virtual void onHandedOver(std::function<void(const QString&)> received) { (void)received; }
    // A later copy: hands `argument` to the running copy; false when it could not.
    virtual bool handOver(const QString& argument)
    {
        (void)argument;
        return false;
    }
};
