#include "playback/OpenCommand.h"

#include "catalogue/CatalogueFace.h"
#include "catalogue/core/Catalogue.h"
#include "platform/FileDialog.h"
#include "playback/core/NowPlaying.h"
#include "playback/core/OpenFilters.h"
#include "ui/MainWindow.h"

OpenCommand::OpenCommand(Parts parts) : m_parts(std::move(parts)) { }

void OpenCommand::run()
{
    const FileDialog::Choice choice = m_parts.dialog.openFiles(
        &m_parts.window, QStringLiteral("Open"), OpenFilters::filters(m_parts.texts), true);
    if (choice.files.isEmpty())
        return;
    const int op = std::clamp(choice.filterIndex, 0, 3);
    if (choice.files.size() >= 2)
        openList(choice.files, op);
    else
        openOne(choice.files.first(), op);
}

// Several files: they play one after the other, and My Computer shows them.
void OpenCommand::openList(const QStringList& files, int op)
{
    NowPlaying& playback = m_parts.nowPlaying;
    LocalFileList& list = playback.localFiles;
    list.files = files;
    // Set before the old file stops: its stop report may arrive while the tree is
    // rebuilt below, and must not move the new list on.
    playback.ignoreNextStop = true;
    if (playback.currentOperator == 0)
        m_parts.stopRealAudio();
    list.last = static_cast<int>(files.size()) - 1;
    playback.localOperator = static_cast<std::uint8_t>(op);
    list.listMode = true;
    list.playingIndex = 0;
    if (m_parts.catalogue.currentView() == TreeBuilder::MyComputer)
        m_parts.catalogue.rebuildView();
    else
        m_parts.catalogue.showView(TreeBuilder::MyComputer);
    const QString first = files.first();
    m_parts.play({8, op, first.toUtf8(), first});
}

void OpenCommand::openAddress(const QString& source) { openOne(source, 1); }

// One file plays as a record of its own, appended to the catalogue.
void OpenCommand::openOne(const QString& path, int op)
{
    m_parts.nowPlaying.localFiles.listMode = false;
    ChannelRecord record;
    record.kind = 5;
    record.name = path;
    record.country = QStringLiteral("MyComputer");
    record.address = path.toUtf8();
    record.op = static_cast<std::uint8_t>(op);
    m_parts.catalogue.catalogue().channels.append(record);
    m_parts.play({5, op, record.address.toByteArray(), path});
}
