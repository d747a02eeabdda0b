#pragma once

#include <QStringList>

#include <functional>

class CatalogueFace;
class FileDialog;
class MainWindow;
class LanguageTexts;
struct NowPlaying;
struct PlayRequest;

// openAction: plays one chosen file, or several as the looping "My Computer" list.
class OpenCommand final {
public:
    struct Parts {
        NowPlaying& nowPlaying;
        CatalogueFace& catalogue;
        const LanguageTexts& texts;
        MainWindow& window;
        FileDialog& dialog;
        std::function<void(const PlayRequest&)> play;
        std::function<void()> stopRealAudio;
    };

    explicit OpenCommand(Parts parts);

    void run();
    // Plays a file or address given from outside, with the default player.
    void openAddress(const QString& source);

private:
    void openList(const QStringList& files, int op);
    void openOne(const QString& path, int op);

    Parts m_parts;
};
