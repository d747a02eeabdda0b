#include "playback/Playback.h"

#include "base/FileIo.h"
#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "base/TextCodec.h"
#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/TreeEvents.h"
#include "catalogue/core/AppState.h"
#include "platform/WebView.h"
#include "playback/PlayerArea.h"
#include "playback/PlayerWindow.h"
#include "playback/RecentFilesMenu.h"
#include "ui/MainWindow.h"

#include <QIcon>
#include <QLabel>
#include <QUrl>

namespace {

enum Operator { RealAudio = 0, WindowsMedia = 1, WinMap = 2, QuickTime = 3, None = 4, MovieStore = 5 };

QString fileTitle(const QString& path) { return TreeBuilder::fileNameOf(path); }

} // namespace

Playback::Playback(Parts parts) : m_parts(std::move(parts))
{
    m_recent = std::make_unique<RecentFilesMenu>(
        m_parts.state, m_parts.window, [this](const PlayRequest& request) { runVideo(request); });
    PlaybackState& playback = m_parts.state.playback;
    PlayerContext context;
    context.listMode = [&playback] { return playback.localFiles.listMode; };
    context.consumeIgnoreNextStop = [&playback] { return std::exchange(playback.ignoreNextStop, false); };
    context.advanceList = [this] { return advanceList(); };
    context.currentListFile = [&playback] {
        const LocalFileList& list = playback.localFiles;
        return list.playingIndex < list.files.size() ? list.files[list.playingIndex] : QString();
    };
    context.showTitle = [this](const QString& title) { m_parts.window.nowPlayingLabel->setText(title); };
    m_area = std::make_unique<PlayerArea>(m_parts.window.playerFrame,
        PlayerArea::Parts {m_parts.engine, m_parts.makeWebView, m_parts.open, m_parts.state.folder.root()}, context);
}

Playback::~Playback() = default;

// Moves the list on by one, wrapping to the first file, and moves the tree's mark with it.
QString Playback::advanceList()
{
    LocalFileList& list = m_parts.state.playback.localFiles;
    if (list.files.isEmpty())
        return {};
    CatalogueTreeModel& model = m_parts.view.model();
    const bool treeShowsFiles = m_parts.state.currentView == TreeBuilder::MyComputer;
    const auto nodeOf
        = [&model](int index) { return model.indexForKey(QStringLiteral("Com") + QString::number(index)); };
    if (treeShowsFiles)
        model.setIconOverride(nodeOf(list.playingIndex), 0);
    ++list.playingIndex;
    if (list.playingIndex > list.last || list.playingIndex >= list.files.size())
        list.playingIndex = 0;
    if (treeShowsFiles)
        model.setIconOverride(nodeOf(list.playingIndex), TreeBuilder::NowPlaying);
    const QString next = list.files[list.playingIndex];
    m_parts.window.nowPlayingLabel->setText(fileTitle(next));
    return next;
}

void Playback::runVideo(const PlayRequest& request)
{
    PlaybackState& playback = m_parts.state.playback;
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
            window->setItem(request.name, itemIcon(request));
            window->play(root);
        }
        break;
    case MovieStore:
        playStorePage(request.root);
        break;
    default:
        break;
    }

    if (request.op != MovieStore)
        m_parts.window.nowPlayingLabel->setText(playback.localFiles.listMode ? fileTitle(request.name) : request.name);
    if (request.kind < 3)
        m_parts.view.markPlaying(m_parts.view.selectedKey(), request.kind);
    if (request.op != MovieStore && !playback.localFiles.listMode)
        m_recent->addMRU(static_cast<std::uint8_t>(request.op), root, request.name);
    playback.currentOperator = static_cast<std::uint8_t>(request.op);
    m_parts.window.activateWindow();
}


// The picture of the item about to play: its country's flag where the tree shows one
// above it, else the icon of its node.
QIcon Playback::itemIcon(const PlayRequest& request) const
{
    if (request.kind >= 3)
        return {};
    const QModelIndex node = m_parts.view.selectedIndex();
    const QModelIndex parent = node.parent();
    if (parent.isValid() && !parent.data(CatalogueTreeModel::FlagKeyRole).toString().isEmpty())
        return qvariant_cast<QIcon>(parent.data(Qt::DecorationRole));
    return qvariant_cast<QIcon>(node.data(Qt::DecorationRole));
}

void Playback::playStorePage(const QByteArray& html)
{
    m_area->show(MovieStore);
    const QString page = m_parts.state.folder.file(QStringLiteral("Movies.html"));
    FileIo::writeFileAtomically(page, html);
    if (WebView* view = m_area->moviePage()) {
        view->stop();
        view->navigate(QUrl::fromLocalFile(page));
    }
}

void Playback::watchFavorite()
{
    m_parts.state.playback.localFiles.listMode = false;
    if (m_parts.view.model().rowCount(m_parts.view.selectedIndex()) > 0)
        return;
    const ChannelRecord* favorite = m_parts.state.catalogue.favorite(TreeBuilder::keyIndex(m_parts.view.selectedKey(), 1));
    if (favorite)
        runVideo({favorite->kind, favorite->op, favorite->address, favorite->name});
}

void Playback::fitToSize()
{
    const int op = m_parts.state.playback.currentOperator;
    if (m_area->player(op) && op != None)
        m_parts.engine.setSizeMode(
            op == QuickTime ? MediaPlayer::SizeMode::Stretch : MediaPlayer::SizeMode::Fit);
}

void Playback::normalSize()
{
    if (m_area->player(m_parts.state.playback.currentOperator))
        m_parts.engine.setSizeMode(MediaPlayer::SizeMode::Natural);
}

void Playback::fullScreen()
{
    if (PlayerWindow* window = m_area->player(m_parts.state.playback.currentOperator))
        window->setFullScreen(true);
}
