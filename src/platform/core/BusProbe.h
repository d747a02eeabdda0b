#pragma once

#include <QByteArray>

#include <chrono>

// Whether a D-Bus bus answers at all, asked over a socket of our own before any D-Bus
// connection is made: a bus that accepts but never answers would otherwise hold the
// thread that connects to it for good.
namespace BusProbe {

// The address of the session bus or the system bus, as libdbus would use it.
QByteArray sessionAddress();
QByteArray systemAddress();

// True when a bus at `address` (its first unix or tcp entry) answers the opening of the
// authentication within `budget`; false when it is absent, refuses or stays silent.
bool answers(const QByteArray& address, std::chrono::milliseconds budget);

} // namespace BusProbe
