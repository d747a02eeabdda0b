#include "playback/RecentFilesMenu.h"

#include "base/FileIo.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

RecentFilesMenu::RecentFilesMenu(
    const ProgramState& program, MainWindow& window, std::function<void(const PlayRequest&)> play)
    : m_program(program), m_window(window), m_play(std::move(play)), m_writer(path())
{
}

RecentFilesMenu::~RecentFilesMenu() = default;

QString RecentFilesMenu::path() const { return m_program.folder.file(QStringLiteral("mruf")); }

void RecentFilesMenu::clearMenu()
{
    for (QAction* entry : std::as_const(m_entries)) {
        m_window.menus().fileMenu->removeAction(entry);
        delete entry;
    }
    m_entries.clear();
}

void RecentFilesMenu::loadMRU()
{
    m_writer.wait();
    clearMenu();
    // The list is read even when the menu shows none of it, so that the next played
    // item is put on top of the entries already there rather than replacing them.
    const FileIo::ReadResult read = FileIo::readWholeFile(path(), 1024 * 1024);
    m_recent = RecentFiles::fromBytes(read.ok() ? read.bytes : QByteArray());
    const std::optional<int> limit = recentMenuLimit(m_program.settings.line(Settings::RecentCount));
    if (!limit)
        return;
    if (!QFileInfo::exists(path()))
        FileIo::writeFileAtomically(path(), {});
    fillMenu(*limit);
}

void RecentFilesMenu::clearHistory()
{
    m_writer.wait();
    FileIo::writeFileAtomically(path(), {});
    loadMRU();
    m_recent = {};
}

void RecentFilesMenu::fillMenu(int limit)
{
    QMenu* file = m_window.menus().fileMenu;
    QAction* before = m_window.menus().updateListsAction;
    const auto& entries = m_recent.entries();
    for (int i = 0; i < entries.size() && i < limit; ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(entries[i].name), file);
        action->setObjectName(QStringLiteral("SMnuMRUList%1").arg(i + 1));
        QObject::connect(action, &QAction::triggered, file, [this, i] { playEntry(i); });
        file->insertAction(before, action);
        m_entries.append(action);
    }
    // A list that stopped at a bad line gets no closing separator.
    if (!m_entries.isEmpty() && m_recent.complete()) {
        auto* separator = new QAction(file);
        separator->setSeparator(true);
        file->insertAction(before, separator);
        m_entries.append(separator);
    }
}

void RecentFilesMenu::addMRU(std::uint8_t op, const QString& root, const QString& name)
{
    const std::optional<QByteArray> bytes = m_recent.withOnTop(op, root, name);
    if (!bytes)
        return;
    // The menu shows the new list at once; the file follows on the writer's thread, so a
    // slow disk never delays the picture.
    m_recent = RecentFiles::fromBytes(*bytes);
    m_writer.write(*bytes);
    clearMenu();
    if (const std::optional<int> limit = recentMenuLimit(m_program.settings.line(Settings::RecentCount)))
        fillMenu(*limit);
}

void RecentFilesMenu::playEntry(int index)
{
    const auto& entries = m_recent.entries();
    if (index < 0 || index >= entries.size())
        return;
    const RecentFiles::Entry entry = entries[index]; // the menu is rebuilt while it plays
    m_play({6, entry.op, entry.address, entry.name});
}
