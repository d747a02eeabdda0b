#include "playback/StartPage.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

const char* const StartPage::kEnginePage = "https://mpv.io/";
const char* const StartPage::kCodecsPage = "https://ffmpeg.org/";

namespace {

// A picture button: a name on a plate, brighter when highlighted.
QPixmap plate(const QString& text, bool highlighted)
{
    QPixmap pixmap(150, 40);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(highlighted ? QColor(0xff, 0xc1, 0x2e) : QColor(0x55, 0x66, 0x88), 2));
    p.setBrush(highlighted ? QColor(0x2b, 0x6c, 0xc4) : QColor(0x1b, 0x2a, 0x44));
    p.drawRoundedRect(QRectF(1, 1, 148, 38), 8, 8);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 150, 40), Qt::AlignCenter, text);
    return pixmap;
}

QLabel* picture(const char* name, const QPixmap& pixmap)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    return label;
}

QLabel* text(const char* name, const QString& caption)
{
    auto* label = new QLabel(caption);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

StartPage::StartPage(std::function<void(const QUrl&)> open, const QString& settingsFolder, QWidget* parent)
    : QWidget(parent), m_open(std::move(open))
{
    setObjectName(QStringLiteral("FirstPage"));
    setMouseTracking(true);
    helpText = text("Label2",
        QStringLiteral("To play a channel just double click at it, and if you want to add it to your "
                       "favorites just right click "
                       "it and select Add to favorites, for additional informations about channel select "
                       "information. IF VIDEO "
                       "IN FULLSCREEN VIEW PRESS ESC TO RETURN TO NORMAL VIEW."));
    playsWithText = text("Label3", QStringLiteral("Vidorra plays every channel and file with :"));
    engineName = text("Label1", QStringLiteral("the mpv media engine"));
    codecsName = text("Label5", QStringLiteral("the FFmpeg codecs"));
    for (QLabel* name : {engineName, codecsName})
        name->setWordWrap(false); // one line each, above its button
    engineButton = picture("Image2", plate(QStringLiteral("mpv"), false));
    engineButtonLit = picture("Image3", plate(QStringLiteral("mpv"), true));
    codecsButton = picture("Image1", plate(QStringLiteral("FFmpeg"), false));
    codecsButtonLit = picture("Image4", plate(QStringLiteral("FFmpeg"), true));
    engineButtonLit->hide();
    codecsButtonLit->hide();
    noteText = text("Label4",
        QStringLiteral("Note: Your settings and favorites are kept in %1").arg(QDir::toNativeSeparators(settingsFolder)));
    noteText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // One grid column for each name and its button: right to left mirrors both together.
    auto* buttons = new QGridLayout;
    buttons->addWidget(engineName, 0, 0, Qt::AlignCenter);
    buttons->addWidget(codecsName, 0, 1, Qt::AlignCenter);
    buttons->addWidget(engineButton, 1, 0, Qt::AlignCenter);
    buttons->addWidget(engineButtonLit, 1, 0, Qt::AlignCenter);
    buttons->addWidget(codecsButton, 1, 1, Qt::AlignCenter);
    buttons->addWidget(codecsButtonLit, 1, 1, Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch();
    layout->addWidget(helpText);
    layout->addSpacing(16);
    layout->addWidget(playsWithText);
    layout->addLayout(buttons);
    layout->addSpacing(16);
    layout->addWidget(noteText);
    layout->addStretch();
    for (QLabel* image : {engineButton, engineButtonLit, codecsButton, codecsButtonLit})
        image->installEventFilter(this);
}

StartPage::~StartPage() = default;

void StartPage::highlight(QLabel* normal)
{
    engineButton->setVisible(normal != engineButton);
    engineButtonLit->setVisible(normal == engineButton);
    codecsButton->setVisible(normal != codecsButton);
    codecsButtonLit->setVisible(normal == codecsButton);
}

bool StartPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (watched == engineButton || watched == engineButtonLit)
            highlight(engineButton);
        else if (watched == codecsButton || watched == codecsButtonLit)
            highlight(codecsButton);
        return event->type() == QEvent::MouseMove;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == engineButtonLit)
            m_open(QUrl(QString::fromLatin1(kEnginePage)));
        else if (watched == codecsButtonLit)
            m_open(QUrl(QString::fromLatin1(kCodecsPage)));
    }
    return QWidget::eventFilter(watched, event);
}

void StartPage::mouseMoveEvent(QMouseEvent* event)
{
    highlight(nullptr);
    QWidget::mouseMoveEvent(event);
}
