#pragma once

#include "base/SerialFileWriter.h"
#include "playback/core/RecentFiles.h"

#include <QList>
#include <QString>

#include <functional>

struct ProgramState;
class MainWindow;
class QAction;
struct PlayRequest;

// LoadMRU and AddMRU: the recent-files entries of the File menu and their file `mruf`.
class RecentFilesMenu final {
public:
    // `play` plays an entry as an item of its own, ending a list of local files.
    RecentFilesMenu(
        const ProgramState& program, MainWindow& window, std::function<void(const PlayRequest&)> play);
    ~RecentFilesMenu();

    void loadMRU();
    // Clear History: the file emptied for good, the menu and the list with it.
    void clearHistory();
    // Puts a played item on top of the list; `root` is its plain address.
    void addMRU(std::uint8_t op, const QString& root, const QString& name);

    const RecentFiles& recent() const { return m_recent; }

private:
    QString path() const;
    void clearMenu();
    void fillMenu(int limit);
    void playEntry(int index);

    const ProgramState& m_program;
    MainWindow& m_window;
    std::function<void(const PlayRequest&)> m_play;
    RecentFiles m_recent;
    SerialFileWriter m_writer;
    QList<QAction*> m_entries; // numbered entries and the closing separator
};
