#pragma once

#include "timer/core/TurnOffClock.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class LanguageTexts;
class MainWindow;
class Notifier;
class PowerControl;
class TurnOffDialog;

// The turn-off timer: its dialog, its second tick and the main window's caption, the
// warning a minute before, and the power-off through the platform.
class TurnOffCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TurnOffCommands)
public:
    struct Parts {
        const LanguageTexts& texts;
        MainWindow& window;
        PowerControl* power; // none: the computer cannot be turned off from here
        Notifier* notifier;
        std::function<QDateTime()> clock;
    };

    explicit TurnOffCommands(Parts parts);
    ~TurnOffCommands() override;

    // turnOffTimeAction and trayTimerAction: the dialog, modeless.
    void showDialog();
    void tick();
    bool running() const { return m_timer.isActive(); }

    TurnOffDialog* dialog() const;
    const TurnOffClock& clock() const { return m_clock; }

private:
    void set();
    void stop();
    void powerOff();
    void cannotTurnOff(const QString& why);
    TurnOffClock::Texts captionTexts() const;

    Parts m_parts;
    QTimer m_timer; // a second
    TurnOffClock m_clock;
    QPointer<TurnOffDialog> m_dialog;
    bool m_warned = false;
};
