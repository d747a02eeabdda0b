#include "playback/PlayerArea.h"

#include "platform/MpvVideoWidget.h"
#include "platform/WebView.h"
#include "playback/PlayerWindow.h"
#include "playback/StartPage.h"

#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Operator codes to player windows: 0 RealAudio, 1 Windows Media, 2 WinMap, 3 QuickTime.
int slotOf(int op) { return op >= 0 && op <= 3 ? op : -1; }

PlayerWindow::Rules rulesOf(int op)
{
    switch (op) {
    case 0:
        return PlayerWindow::Rules::RealAudio;
    case 1:
        return PlayerWindow::Rules::WindowsMedia;
    case 2:
        return PlayerWindow::Rules::WinMap;
    default:
        return PlayerWindow::Rules::QuickTime;
    }
}

} // namespace

PlayerArea::PlayerArea(QWidget* area, Parts parts, const PlayerContext& context)
    : QObject(area), m_engine(parts.engine), m_parts(std::move(parts))
{
    if (area->layout())
        delete area->layout();
    m_stack = new QStackedLayout(area);
    m_startPage = new StartPage(m_parts.open, m_parts.settingsFolder);
    m_stack->addWidget(m_startPage);
    for (int op = 0; op < 4; ++op) {
        m_players[op] = new PlayerWindow(rulesOf(op), m_engine, context);
        m_stack->addWidget(m_players[op]);
    }
    m_stack->setCurrentWidget(m_startPage);

    connect(&m_engine, &MediaPlayer::stateChanged, this, [this](MediaPlayer::State state) {
        if (m_current)
            m_current->engineState(state);
    });
    connect(&m_engine, &MediaPlayer::failed, this, [this](const QString& reason) {
        if (m_current)
            m_current->engineFailed(reason);
    });
    connect(&m_engine, &MediaPlayer::positionChanged, this, [this](double at, double duration) {
        if (m_current)
            m_current->enginePosition(at, duration);
    });
    connect(&m_engine, &MediaPlayer::bufferingChanged, this, [this](bool buffering) {
        if (m_current)
            m_current->engineBuffering(buffering);
    });
    connect(&m_engine, &MediaPlayer::videoChanged, this, [this](bool hasVideo) {
        if (m_current)
            m_current->engineVideo(hasVideo);
    });
    connect(&m_engine, &MediaPlayer::streamTitleChanged, this, [this](const QString& title) {
        if (m_current)
            m_current->engineStreamTitle(title);
    });
    // The engine is shared, so every window's slider shows its one volume.
    connect(&m_engine, &MediaPlayer::volumeChanged, this, [this](int percent) {
        for (PlayerWindow* player : m_players)
            player->engineVolume(percent);
    });
}

// The picture's clicks go to whichever window shows it. Connected when a player first
// shows, as its widget is made then: made at start-up, it would bring in OpenGL before
// the window could show.
void PlayerArea::connectPicture()
{
    if (m_pictureConnected)
        return;
    auto* video = qobject_cast<MpvVideoWidget*>(m_engine.videoSurface());
    if (!video)
        return;
    m_pictureConnected = true;
    connect(video, &MpvVideoWidget::clicked, this, [this] {
        if (m_current)
            m_current->pictureClicked();
    });
    connect(video, &MpvVideoWidget::doubleClicked, this, [this] {
        if (m_current)
            m_current->pictureDoubleClicked();
    });
}

PlayerArea::~PlayerArea() = default;

PlayerWindow* PlayerArea::player(int op) const
{
    const int slot = slotOf(op);
    return slot >= 0 ? m_players[slot] : nullptr;
}

WebView* PlayerArea::moviePage()
{
    if (!m_moviePage && m_parts.makeWebView) {
        m_moviePage = m_parts.makeWebView();
        if (!m_moviePage)
            return nullptr;
        m_movieHolder = new QWidget;
        m_movieHolder->setObjectName(QStringLiteral("Amazon"));
        auto* layout = new QVBoxLayout(m_movieHolder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_moviePage->widget());
        m_stack->addWidget(m_movieHolder);
    }
    return m_moviePage.get();
}

PlayerWindow* PlayerArea::show(int op)
{
    if (m_current && m_current->isFullScreenShown())
        m_current->setFullScreen(false);
    if (PlayerWindow* window = player(op)) {
        if (m_current && m_current != window)
            m_current->advanceTimer->stop();
        m_current = window;
        window->takeVideo();
        connectPicture();
        m_stack->setCurrentWidget(window);
        return window;
    }
    if (m_current)
        m_engine.stop();
    m_current = nullptr;
    if (op == 5 && moviePage())
        m_stack->setCurrentWidget(m_movieHolder);
    else
        m_stack->setCurrentWidget(m_startPage);
    return nullptr;
}

QWidget* PlayerArea::currentWidget() const { return m_stack->currentWidget(); }
