#include "playback/OpenCommand.h"

#include "catalogue/CatalogueView.h"
#include "catalogue/core/AppState.h"
#include "platform/FileDialog.h"
#include "playback/core/OpenFilters.h"
#include "ui/MainWindow.h"

#include <QComboBox>

OpenCommand::OpenCommand(AppState& state, MainWindow& window, CatalogueView& view, FileDialog& dialog,
    std::function<void(const PlayRequest&)> play, std::function<void()> stopRealAudio)
    : m_state(state),
      m_window(window),
      m_view(view),
      m_dialog(dialog),
      m_play(std::move(play)),
      m_stopRealAudio(std::move(stopRealAudio))
{
}

void OpenCommand::run()
{
    const FileDialog::Choice choice
        = m_dialog.openFiles(&m_window, QStringLiteral("Open"), OpenFilters::filters(m_state.texts), true);
    if (choice.files.isEmpty())
        return;
    const int op = std::clamp(choice.filterIndex, 0, 3);
    PlaybackState& playback = m_state.playback;

    if (choice.files.size() >= 2) {
        LocalFileList& list = playback.localFiles;
        list.files = choice.files;
        // Set before the old file stops: its stop report may arrive while the tree is
        // rebuilt below, and must not move the new list on.
        playback.ignoreNextStop = true;
        if (playback.currentOperator == 0)
            m_stopRealAudio();
        list.last = static_cast<int>(choice.files.size()) - 1;
        playback.localOperator = static_cast<std::uint8_t>(op);
        list.listMode = true;
        list.playingIndex = 0;
        if (m_window.viewSelector->currentIndex() == TreeBuilder::MyComputer)
            m_view.filterBy(TreeBuilder::MyComputer, true);
        else
            m_window.viewSelector->setCurrentIndex(TreeBuilder::MyComputer);
        const QString first = choice.files.first();
        m_play({8, op, first.toUtf8(), first});
        return;
    }

    const QString path = choice.files.first();
    playback.localFiles.listMode = false;
    ChannelRecord record;
    record.kind = 5;
    record.name = path;
    record.country = QStringLiteral("MyComputer");
    record.address = path.toUtf8();
    record.op = static_cast<std::uint8_t>(op);
    m_state.catalogue.channels.append(record);
    m_play({5, op, record.address, path});
}
