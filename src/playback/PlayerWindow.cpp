#include "playback/PlayerWindow.h"

#include "playback/AudioPanel.h"
#include "playback/ControlIcons.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStackedLayout>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* objectNameFor(PlayerWindow::Rules rules)
{
    switch (rules) {
    case PlayerWindow::Rules::RealAudio:
        return "VideoRm";
    case PlayerWindow::Rules::WindowsMedia:
        return "VideoWm";
    case PlayerWindow::Rules::QuickTime:
        return "VideoQT";
    case PlayerWindow::Rules::WinMap:
        return "VideoWinMap";
    }
    return "";
}

QString clock(double seconds)
{
    const int total = std::max(0, static_cast<int>(seconds));
    const int h = total / 3600;
    const QString ms = QStringLiteral("%1:%2")
                           .arg((total / 60) % 60, 2, 10, QChar(u'0'))
                           .arg(total % 60, 2, 10, QChar(u'0'));
    return h ? QStringLiteral("%1:%2").arg(h).arg(ms) : ms;
}

QPushButton* toolButton(ControlIcons::Shape shape, const QString& tip, const char* name)
{
    auto* button = new QPushButton(ControlIcons::icon(shape), QString());
    button->setIconSize(QSize(20, 20));
    button->setToolTip(tip);
    button->setObjectName(QString::fromLatin1(name));
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

PlayerWindow::PlayerWindow(Rules rules, MediaPlayer& engine, PlayerContext context, QWidget* parent)
    : QWidget(parent), m_rules(rules), m_engine(engine), m_context(std::move(context))
{
    setObjectName(QString::fromLatin1(objectNameFor(rules)));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    setPalette(dark);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_videoArea = new QVBoxLayout;
    m_audioPanel = new AudioPanel;
    m_audioPanel->hide();
    m_videoArea->addWidget(m_audioPanel);
    layout->addLayout(m_videoArea, 1);
    m_error = new QLabel;
    m_error->setObjectName(QStringLiteral("errorLine"));
    m_error->setWordWrap(true);
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setStyleSheet(QStringLiteral("color: #ffb4a8; padding: 6px;"));
    m_error->hide();
    layout->addWidget(m_error);
    buildControls();

    advanceTimer = new QTimer(this);
    advanceTimer->setObjectName(QStringLiteral("Timer2"));
    advanceTimer->setInterval(10);
    advanceTimer->setSingleShot(true);
    connect(advanceTimer, &QTimer::timeout, this, [this] {
        if (m_context.listMode())
            play(m_context.currentListFile());
    });
}

PlayerWindow::~PlayerWindow() = default;

void PlayerWindow::setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

void PlayerWindow::buildControls()
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("controls"));
    bar->setAutoFillBackground(true);
    // A dark bar of its own, with light text and controls, in light and dark themes alike.
    QPalette barPalette = bar->palette();
    barPalette.setColor(QPalette::Window, ControlIcons::kBar);
    barPalette.setColor(QPalette::Button, QColor(0x55, 0x55, 0x55));
    barPalette.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xe0));
    barPalette.setColor(QPalette::WindowText, ControlIcons::kInk);
    barPalette.setColor(QPalette::ButtonText, ControlIcons::kInk);
    bar->setPalette(barPalette);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    m_playPause = toolButton(ControlIcons::Shape::Pause, tr("Play / pause"), "playPause");
    m_stop = toolButton(ControlIcons::Shape::Stop, tr("Stop"), "stop");
    m_seek = new QSlider(Qt::Horizontal);
    m_seek->setObjectName(QStringLiteral("seek"));
    m_seek->setToolTip(tr("Position"));
    m_seek->setEnabled(false);
    m_time = new QLabel;
    m_time->setObjectName(QStringLiteral("time"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_mute = toolButton(ControlIcons::Shape::Volume, tr("Mute"), "mute");
    m_mute->setCheckable(true);
    m_volume = new QSlider(Qt::Horizontal);
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setRange(0, 100);
    m_volume->setValue(100);
    m_volume->setMaximumWidth(90);
    m_volume->setToolTip(tr("Volume"));
    for (QWidget* w : std::initializer_list<QWidget*> {m_time, m_status}) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, QColor(0xdd, 0xdd, 0xdd));
        w->setPalette(p);
    }
    row->addWidget(m_playPause);
    row->addWidget(m_stop);
    row->addWidget(m_seek, 1);
    row->addWidget(m_time);
    row->addWidget(m_status);
    row->addWidget(m_mute);
    row->addWidget(m_volume);
    static_cast<QVBoxLayout*>(layout())->addWidget(bar);

    connect(m_playPause, &QPushButton::clicked, this, [this] {
        const MediaPlayer::State state = m_engine.state();
        if (state == MediaPlayer::State::Playing)
            m_engine.setPaused(true);
        else if (state == MediaPlayer::State::Paused)
            m_engine.setPaused(false);
    });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_engine.stop(); });
    connect(m_mute, &QPushButton::toggled, this, [this](bool muted) {
        m_engine.setMuted(muted);
        m_mute->setIcon(ControlIcons::icon(muted ? ControlIcons::Shape::Muted : ControlIcons::Shape::Volume));
    });
    connect(m_volume, &QSlider::valueChanged, this, [this](int value) { m_engine.setVolume(value); });
    connect(m_seek, &QSlider::sliderPressed, this, [this] { m_seeking = true; });
    connect(m_seek, &QSlider::sliderReleased, this, [this] {
        m_seeking = false;
        m_engine.seek(m_seek->value());
    });
}

void PlayerWindow::takeVideo()
{
    QWidget* video = m_engine.videoSurface();
    if (!video || video->parentWidget() == this)
        return;
    m_videoArea->addWidget(video);
    showPanelOrPicture();
}

void PlayerWindow::showPanelOrPicture()
{
    const MediaPlayer::State state = m_engine.state();
    const bool running = state == MediaPlayer::State::Playing || state == MediaPlayer::State::Paused;
    const bool panel = running && !m_hasVideo;
    m_audioPanel->setVisible(panel);
    QWidget* video = m_engine.videoSurface();
    if (video && video->parentWidget() == this)
        video->setVisible(!panel);
}

void PlayerWindow::setItem(const QString& name, const QIcon& icon) { m_audioPanel->setItem(name, icon); }

void PlayerWindow::engineVideo(bool hasVideo)
{
    m_hasVideo = hasVideo;
    showPanelOrPicture();
}

void PlayerWindow::engineStreamTitle(const QString& title) { m_audioPanel->setStreamTitle(title); }

void PlayerWindow::engineVolume(int percent)
{
    const QSignalBlocker block(m_volume);
    m_volume->setValue(percent);
}

void PlayerWindow::play(const QString& source)
{
    m_error->hide();
    resetPosition();
    m_engine.play(source);
}

void PlayerWindow::resetPosition()
{
    const QSignalBlocker block(m_seek);
    m_seek->setValue(0);
    m_seek->setEnabled(false);
    m_time->clear();
}

void PlayerWindow::engineState(MediaPlayer::State state)
{
    using State = MediaPlayer::State;
    m_playPause->setIcon(ControlIcons::icon(state == State::Playing ? ControlIcons::Shape::Pause : ControlIcons::Shape::Play));
    m_status->setText(state == State::Loading ? tr("Connecting...") : QString());
    if (state == State::Playing)
        m_error->hide();
    if (state != State::Playing && state != State::Paused)
        resetPosition();
    showPanelOrPicture();

    const bool stopOrEnd = state == State::Stopped || state == State::Ended;
    switch (m_rules) {
    case Rules::RealAudio:
        // The control reports the old file's stop when another starts: a new list says
        // to ignore that report once.
        if (stopOrEnd && m_context.consumeIgnoreNextStop())
            return;
        if (stopOrEnd && isVisible() && m_context.listMode())
            advanceNow();
        break;
    case Rules::WindowsMedia:
    case Rules::WinMap:
        if (state == State::Ended && isVisible() && m_context.listMode()) {
            m_context.advanceList();
            advanceTimer->start(); // the next file starts one tick later, outside the engine's report
        }
        break;
    case Rules::QuickTime:
        break;
    }
}

void PlayerWindow::advanceNow()
{
    const QString next = m_context.advanceList();
    if (next.isEmpty())
        return;
    play(next);
}

void PlayerWindow::engineFailed(const QString& reason)
{
    m_error->setText(tr("This item cannot be played: %1").arg(reason));
    m_error->show();
    resetPosition();
}

void PlayerWindow::enginePosition(double seconds, double duration)
{
    const bool seekable = duration > 0;
    m_seek->setEnabled(seekable);
    if (seekable && !m_seeking) {
        const QSignalBlocker block(m_seek);
        m_seek->setRange(0, static_cast<int>(duration));
        m_seek->setValue(static_cast<int>(seconds));
    }
    m_time->setText(seekable ? clock(seconds) + QStringLiteral(" / ") + clock(duration) : clock(seconds));
    m_audioPanel->setElapsed(seconds);
}

void PlayerWindow::engineBuffering(bool buffering)
{
    m_status->setText(buffering ? tr("Buffering...") : QString());
}

void PlayerWindow::pictureClicked()
{
    if (m_rules != Rules::RealAudio)
        return;
    // Two clicks 0.2 to 0.6 s apart are a double-click, whatever they point at.
    const qint64 now = m_clock();
    const qint64 sinceLast = m_lastClickMs >= 0 ? now - m_lastClickMs : 0;
    m_lastClickMs = now;
    if (sinceLast >= 200 && sinceLast < 600)
        setFullScreen(true);
}

void PlayerWindow::pictureDoubleClicked()
{
    const bool byDoubleClick = m_rules == Rules::WindowsMedia || m_rules == Rules::WinMap;
    if (byDoubleClick && m_engine.state() == MediaPlayer::State::Playing)
        setFullScreen(true);
}

void PlayerWindow::setFullScreen(bool full)
{
    if (full == m_fullScreen)
        return;
    m_fullScreen = full;
    if (full) {
        m_parentBeforeFullScreen = parentWidget();
        setParent(nullptr, Qt::Window);
        showFullScreen();
        activateWindow();
        setFocus();
        return;
    }
    QWidget* home = m_parentBeforeFullScreen;
    showNormal();
    setParent(home, Qt::Widget);
    if (home) {
        if (auto* stack = qobject_cast<QStackedLayout*>(home->layout())) {
            stack->addWidget(this);
            stack->setCurrentWidget(this);
        }
    }
    show();
}

void PlayerWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_fullScreen) {
        setFullScreen(false);
        return;
    }
    QWidget::keyPressEvent(event);
}
