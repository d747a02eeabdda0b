#include "playback/Playback.h"

#include "base/FileIo.h"
#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "base/TextCodec.h"
#include "catalogue/CatalogueFace.h"
#include "catalogue/core/Catalogue.h"
#include "platform/WebView.h"
#include "playback/PlayerArea.h"
#include "playback/PlayerWindow.h"
#include "playback/RecentFilesMenu.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include <QIcon>

#include <algorithm>
#include <QUrl>

namespace {

enum Operator { RealAudio = 0, WindowsMedia = 1, WinMap = 2, QuickTime = 3, None = 4, MovieStore = 5 };

QString fileTitle(const QString& path) { return TreeBuilder::fileNameOf(path); }

} // namespace

Playback::Playback(Parts parts) : m_parts(std::move(parts))
{
    m_recent = std::make_unique<RecentFilesMenu>(
        m_parts.program, m_parts.window, [this](const PlayRequest& request) { playItem(request); });
    NowPlaying& playback = m_parts.nowPlaying;
    PlayerContext context;
    context.listMode = [&playback] { return playback.localFiles.listMode; };
    context.consumeIgnoreNextStop = [&playback] { return std::exchange(playback.ignoreNextStop, false); };
    context.advanceList = [this] { return advanceList(); };
    context.currentListFile = [&playback] {
        const LocalFileList& list = playback.localFiles;
        return list.playingIndex < list.files.size() ? list.files[list.playingIndex] : QString();
    };
    context.showTitle = [this](const QString& title) { m_parts.window.showNowPlaying(title); };
    m_area = std::make_unique<PlayerArea>(&m_parts.window.playerArea(),
        PlayerArea::Parts {m_parts.engine, m_parts.makeWebView, m_parts.open, m_parts.program.folder.root()},
        context);
}

Playback::~Playback() = default;

// Moves the list on by one, wrapping to the first file, and moves the tree's mark with it.
QString Playback::advanceList()
{
    LocalFileList& list = m_parts.nowPlaying.localFiles;
    if (list.files.isEmpty())
        return {};
    const int before = list.playingIndex;
    ++list.playingIndex;
    if (list.playingIndex > list.last || list.playingIndex >= list.files.size())
        list.playingIndex = 0;
    m_parts.catalogue.moveFileMark(before, list.playingIndex);
    const QString next = list.files[list.playingIndex];
    m_parts.nowPlaying.title = fileTitle(next);
    m_parts.window.showNowPlaying(m_parts.nowPlaying.title);
    return next;
}

void Playback::playItem(const PlayRequest& request)
{
    m_parts.nowPlaying.localFiles.listMode = false;
    runVideo(request);
}

void Playback::runVideo(const PlayRequest& request)
{
    NowPlaying& playback = m_parts.nowPlaying;
    playback.currentRoot = TextCodec::decodeEightBit(request.root).trimmed();
    const bool plain = request.kind == 5 || request.kind == 8 || request.op == MovieStore;
    const QString root
        = plain ? TextCodec::decodeEightBit(request.root) : StoredField::decodeAddress(request.root);

    if (request.op != None)
        m_parts.window.repaintForm(request.op);
    switch (request.op) {
    case RealAudio:
    case WindowsMedia:
    case WinMap:
    case QuickTime:
        if (PlayerWindow* window = m_area->show(request.op)) {
            window->setItem(request.name, request.kind < 3 ? m_parts.catalogue.selectedItemIcon() : QIcon());
            m_lastSource = root;
            window->play(root);
        }
        break;
    case MovieStore:
        playStorePage(request.root);
        break;
    default:
        break;
    }

    if (request.op != MovieStore) {
        playback.title = playback.localFiles.listMode ? fileTitle(request.name) : request.name;
        m_parts.window.showNowPlaying(playback.title);
    }
    if (request.kind < 3)
        m_parts.catalogue.markPlaying(m_parts.catalogue.selectedItem());
    if (request.op != MovieStore && !playback.localFiles.listMode)
        m_recent->addMRU(static_cast<std::uint8_t>(request.op), root, request.name);
    playback.currentOperator = static_cast<std::uint8_t>(request.op);
    m_parts.window.activateWindow();
}

void Playback::playStorePage(const QByteArray& html)
{
    m_area->show(MovieStore);
    const QString page = m_parts.program.folder.file(QStringLiteral("Movies.html"));
    FileIo::writeFileAtomically(page, html);
    if (WebView* view = m_area->moviePage()) {
        view->stop();
        view->navigate(QUrl::fromLocalFile(page));
    }
}

void Playback::watchFavorite()
{
    m_parts.nowPlaying.localFiles.listMode = false;
    const std::optional<ItemKey> item = m_parts.catalogue.selectedItem();
    if (!item || item->kind != ItemKey::Kind::Favorite)
        return;
    if (const ChannelRecord* favorite = m_parts.catalogue.catalogue().favorite(item->index))
        runVideo({favorite->kind, favorite->op, favorite->address.toByteArray(), favorite->name});
}

void Playback::fitToSize()
{
    const int op = m_parts.nowPlaying.currentOperator;
    if (m_area->player(op) && op != None)
        m_parts.engine.setSizeMode(
            op == QuickTime ? MediaPlayer::SizeMode::Stretch : MediaPlayer::SizeMode::Fit);
}

void Playback::normalSize()
{
    if (m_area->player(m_parts.nowPlaying.currentOperator))
        m_parts.engine.setSizeMode(MediaPlayer::SizeMode::Natural);
}

void Playback::fullScreen()
{
    if (PlayerWindow* window = m_area->player(m_parts.nowPlaying.currentOperator))
        window->setFullScreen(true);
}

PlayerWindow* Playback::currentPlayer() const { return m_area->player(m_parts.nowPlaying.currentOperator); }

bool Playback::canResume() const { return currentPlayer() && !m_lastSource.isEmpty(); }

void Playback::resume()
{
    using State = MediaPlayer::State;
    const State state = m_parts.engine.state();
    if (state == State::Paused)
        m_parts.engine.setPaused(false);
    else if (state != State::Playing && state != State::Loading && canResume())
        currentPlayer()->play(m_lastSource);
}

void Playback::pause()
{
    if (m_parts.engine.state() == MediaPlayer::State::Playing)
        m_parts.engine.setPaused(true);
}

void Playback::togglePause()
{
    if (m_parts.engine.state() == MediaPlayer::State::Playing)
        pause();
    else
        resume();
}

void Playback::stop() { m_parts.engine.stop(); }

void Playback::stepList(int step)
{
    LocalFileList& list = m_parts.nowPlaying.localFiles;
    const int count = std::min(static_cast<int>(list.files.size()), list.last + 1);
    if (!list.listMode || count <= 0)
        return;
    const int before = list.playingIndex;
    list.playingIndex = ((before + step) % count + count) % count;
    m_parts.nowPlaying.ignoreNextStop = true;
    const QString file = list.files[list.playingIndex];
    runVideo({5, m_parts.nowPlaying.localOperator, file.toUtf8(), file});
    m_parts.catalogue.moveFileMark(before, list.playingIndex);
}
