#pragma once

#include "timer/core/TurnOffClock.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <functional>

struct ProgramState;
class MainWindow;
class Notifier;
class PowerControl;
class TurnOffDialog;

// The turn-off timer: its dialog, the main window's second tick and its caption, the
// warning a minute before, and the power-off through the platform.
class TurnOffCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TurnOffCommands)
public:
    struct Parts {
        ProgramState& state;
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

    TurnOffDialog* dialog() const;
    const TurnOffClock& clock() const { return m_clock; }

private:
    void set();
    void stop();
    void powerOff();
    void cannotTurnOff(const QString& why);
    TurnOffClock::Texts captionTexts() const;

    Parts m_parts;
    TurnOffClock m_clock;
    QPointer<TurnOffDialog> m_dialog;
    bool m_warned = false;
};
