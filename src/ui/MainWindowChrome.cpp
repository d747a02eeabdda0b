#include "ui/MainWindowChrome.h"

#include "base/FileIo.h"
#include "state/ProgramState.h"
#include "state/WindowPlacement.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

MainWindowChrome::MainWindowChrome(ProgramState& state, MainWindow& window) : m_state(state), m_window(window) { }

bool MainWindowChrome::storedOnTop() const
{
    return m_state.settings.alwaysOnTop();
}

void MainWindowChrome::toggleAlwaysOnTop()
{
    const bool on = !storedOnTop();
    m_window.menus().alwaysOnTopAction->setChecked(on);
    m_window.setTopmost(on);
    if (!m_state.settings.setAlwaysOnTop(on))
        return;
    m_state.saveSettings(); // a failed save leaves the window as it is now, silently
}

void MainWindowChrome::restored()
{
    if (!storedOnTop())
        return;
    m_window.setTopmost(true);
    m_window.raise();
}

QString MainWindowChrome::placementFile() const { return m_state.folder.file(QStringLiteral("placement")); }

void MainWindowChrome::restorePlacement()
{
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    }
    const FileIo::ReadResult saved = FileIo::readWholeFile(placementFile(), 4096);
    const QRect rect
        = WindowPlacement::place(saved.ok() ? WindowPlacement::fromBytes(saved.bytes) : std::nullopt, screens,
            m_window.minimumSize(), QSize(900, 620));
    m_window.resize(rect.size());
    m_window.move(rect.topLeft());
}

void MainWindowChrome::savePlacement() const
{
    const QRect normal = m_window.normalGeometry();
    if (normal.isValid())
        FileIo::writeFileAtomically(placementFile(), WindowPlacement::toBytes(normal));
}
