#include "platform/SessionBusCheck.h"

#include "platform/core/BusProbe.h"

#include <QtGlobal>

SessionBusCheck::SessionBusCheck()
    : m_answers(std::async(std::launch::async, [] { return BusProbe::answers(BusProbe::sessionAddress(), kBudget); }))
{
}

void SessionBusCheck::settle()
{
    if (!m_answers.valid() || m_answers.get())
        return;
    // libdbus refuses this address at once, as it does any unknown transport.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}
