#include "app/ProgramLifecycle.h"

#include "platform/TrayIcon.h"
#include "platform/core/Transfer.h"
#include "state/Settings.h"
#include "ui/MainWindow.h"

ProgramLifecycle::ProgramLifecycle(const Settings& settings, MainWindow& window, Transfer& transfer,
    TrayIcon& tray, std::function<void()> endNow)
    : m_settings(settings), m_window(window), m_transfer(transfer), m_tray(tray), m_endNow(std::move(endNow))
{
}

bool ProgramLifecycle::unload(Unload reason)
{
    if (reason == Unload::EmergencyEnd) {
        m_endNow();
        return false;
    }
    if (m_settings.lineEquals(Settings::MinimizeOnClose, QStringLiteral("minimizeclose=1"))) {
        hideMainWindow();
        return true;
    }
    m_transfer.cancelAll();
    m_tray.remove();
    m_endNow();
    return false;
}

void ProgramLifecycle::emergencyEnd() { unload(Unload::EmergencyEnd); }

void ProgramLifecycle::exitFromFileMenu()
{
    m_transfer.cancelAll();
    m_tray.remove();
    m_endNow();
}

void ProgramLifecycle::exitFromTray()
{
    m_tray.remove();
    m_endNow();
}

void ProgramLifecycle::terminate() { m_tray.remove(); }

void ProgramLifecycle::showMainWindow()
{
    if (m_settings.alwaysOnTop())
        m_window.setTopmost(true);
    // Back in the state it had: a maximised or full-screen window stays so.
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

void ProgramLifecycle::trayActivated()
{
    if (!m_window.isVisible() || m_window.isMinimized())
        showMainWindow();
}

void ProgramLifecycle::hideMainWindow()
{
    // Without a notification area a hidden window could not be brought back: it is
    // minimised to the task bar instead.
    if (m_tray.available() && m_tray.isShown())
        m_window.hide();
    else
        m_window.showMinimized();
}
