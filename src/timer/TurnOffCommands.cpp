#include "timer/TurnOffCommands.h"

#include "platform/core/Notifier.h"
#include "platform/core/PowerControl.h"
#include "state/LanguageTexts.h"
#include "state/TextId.h"
#include "timer/TurnOffDialog.h"
#include "ui/MainWindow.h"
#include "ui/NumberField.h"

#include <QRadioButton>
#include <QTimer>

namespace {

const QString kTitle = QStringLiteral("Vidorra");
const QString kWarning = QStringLiteral("the computer turns off in one minute: save your work");

} // namespace

TurnOffCommands::TurnOffCommands(Parts parts) : m_parts(std::move(parts))
{
    m_timer.setObjectName(QStringLiteral("tmTurnOff"));
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TurnOffCommands::tick);
}

TurnOffCommands::~TurnOffCommands() { delete m_dialog; }

TurnOffDialog* TurnOffCommands::dialog() const { return m_dialog; }

TurnOffClock::Texts TurnOffCommands::captionTexts() const
{
    const LanguageTexts& t = m_parts.texts;
    return {t.text(TextId::TurningOffIn), t.text(TextId::TurningOffAt), t.text(TextId::Hours),
        t.text(TextId::Minutes), t.text(TextId::Seconds), t.text(TextId::And)};
}

void TurnOffCommands::showDialog()
{
    if (!m_dialog) {
        m_dialog = new TurnOffDialog(
            &m_parts.window, m_parts.window.chromeState(), m_parts.texts, m_timer.isActive());
        connect(m_dialog, &TurnOffDialog::setClicked, this, &TurnOffCommands::set);
        connect(m_dialog, &TurnOffDialog::stopClicked, this, &TurnOffCommands::stop);
    }
    m_dialog->show();
    m_dialog->raise();
}

// An emptied field counts as its minimum: never a turn-off at once by accident.
void TurnOffCommands::set()
{
    TurnOffDialog& d = *m_dialog;
    const QDateTime now = m_parts.clock();
    if (d.afterOption->isChecked())
        m_clock.startCountdown(d.hoursAfter->valueOrMinimum() * 3600 + d.minutesAfter->valueOrMinimum() * 60
                + d.secondsAfter->valueOrMinimum(),
            now);
    else
        m_clock.startAt(
            QTime(d.hourAt->valueOrMinimum(), d.minuteAt->valueOrMinimum(), d.secondAt->valueOrMinimum()),
            now);
    m_warned = false;
    m_timer.start();
    d.showRunning(true);
}

void TurnOffCommands::stop()
{
    m_timer.stop();
    m_parts.window.setWindowTitle(kTitle);
    if (m_dialog)
        m_dialog->showRunning(false);
}

void TurnOffCommands::tick()
{
    const TurnOffClock::Tick t = m_clock.tick(m_parts.clock(), captionTexts());
    if (t.warn && m_parts.notifier)
        m_parts.notifier->notify(kTitle, kWarning, QStringLiteral("OK"), [] {});
    m_warned = m_warned || t.warn;
    m_parts.window.setWindowTitle(m_warned ? t.caption + QStringLiteral(" \u2014 ") + kWarning : t.caption);
    if (t.powerOff)
        powerOff();
}

void TurnOffCommands::powerOff()
{
    if (!m_parts.power) {
        cannotTurnOff(QStringLiteral("no power control"));
        return;
    }
    QPointer<TurnOffCommands> self(this);
    m_parts.power->powerOffIfAllowed([self](PowerControl::Outcome outcome) {
        if (!self || outcome == PowerControl::Outcome::Requested)
            return;
        switch (outcome) {
        case PowerControl::Outcome::NotAllowed:
            self->cannotTurnOff(QStringLiteral("not allowed for this user"));
            break;
        case PowerControl::Outcome::NeedsAuthentication:
            self->cannotTurnOff(QStringLiteral("it needs a password"));
            break;
        default:
            self->cannotTurnOff(QStringLiteral("the system did not answer"));
            break;
        }
    });
}

// Said in the caption rather than failing silently; the timer stops, as there is nothing
// left for it to do.
void TurnOffCommands::cannotTurnOff(const QString& why)
{
    m_timer.stop();
    if (m_dialog)
        m_dialog->showRunning(false);
    m_parts.window.setWindowTitle(
        kTitle + QStringLiteral(" \u2014 the computer cannot be turned off from here (%1)").arg(why));
}
