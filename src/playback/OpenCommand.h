#pragma once

#include <functional>

struct AppState;
class CatalogueView;
class FileDialog;
class MainWindow;
class MediaPlayer;
struct PlayRequest;

// openAction: plays one chosen file, or several as the looping "My Computer" list.
class OpenCommand final {
public:
    OpenCommand(AppState& state, MainWindow& window, CatalogueView& view, FileDialog& dialog,
        std::function<void(const PlayRequest&)> play, std::function<void()> stopRealAudio);

    void run();

private:
    AppState& m_state;
    MainWindow& m_window;
    CatalogueView& m_view;
    FileDialog& m_dialog;
    std::function<void(const PlayRequest&)> m_play;
    std::function<void()> m_stopRealAudio;
};
