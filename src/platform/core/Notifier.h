#pragma once

#include <QString>

#include <functional>

// Desktop notifications, so that a user working in another program sees a reminder.
class Notifier {
public:
    virtual ~Notifier() = default;

    // Shows a notification with one action; `chosen` runs when the user picks it. Where no
    // notification service answers, nothing shows and nothing runs.
    virtual void notify(const QString& title, const QString& body, const QString& actionLabel,
        std::function<void()> chosen) = 0;
};
