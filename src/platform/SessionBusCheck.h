#pragma once

#include <future>

// Parts of Qt ask the session bus on their own while the first window is built (the menu
// bar, the tray icon), and a bus that accepts but never answers holds them for good. This
// asks the bus over a socket of its own while the program starts; settle() waits for the
// answer, at most kBudget after construction, and where the bus stayed silent points
// this process at no session bus at all, so nothing waits for it.
class SessionBusCheck final {
public:
    SessionBusCheck();
    void settle();

    static constexpr std::chrono::milliseconds kBudget {1000};

private:
    std::future<bool> m_answers;
};
