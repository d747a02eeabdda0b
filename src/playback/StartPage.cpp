#include "playback/StartPage.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

const char* const StartPage::kWindowsMediaDownload
    = "https://support.microsoft.com/windows/get-windows-media-player";
const char* const StartPage::kRealPlayerDownload = "https://www.real.com/";

namespace {

// A picture button: the player's name on a plate, brighter when highlighted.
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

StartPage::StartPage(std::function<void(const QUrl&)> open, QWidget* parent)
    : QWidget(parent), m_open(std::move(open))
{
    setObjectName(QStringLiteral("FirstPage"));
    setMouseTracking(true);
    noteText = text("Label4",
        QStringLiteral(
            "Note: To let the program working properly on Windows VISTA & W7 run it as ADMINISTRATOR."));
    helpText = text("Label2",
        QStringLiteral("To play a channel just double click at it, and if you want to add it to your "
                       "favorites just right click "
                       "it and select Add to favorites, for additional informations about channel select "
                       "information. IF VIDEO "
                       "IN FULLSCREEN VIEW PRESS ESC TO RETURN TO NORMAL VIEW."));
    needsText = text("Label3", QStringLiteral("You may need the latest versions of :"));
    playerNames = text("Label1", QStringLiteral("Windows Media Player            Real One Player"));
    windowsMediaButton = picture("Image2", plate(QStringLiteral("Windows Media Player"), false));
    windowsMediaButtonLit = picture("Image3", plate(QStringLiteral("Windows Media Player"), true));
    realOneButton = picture("Image1", plate(QStringLiteral("Real One Player"), false));
    realOneButtonLit = picture("Image4", plate(QStringLiteral("Real One Player"), true));
    windowsMediaButtonLit->hide();
    realOneButtonLit->hide();

    auto* buttons = new QGridLayout;
    buttons->addWidget(windowsMediaButton, 0, 0, Qt::AlignCenter);
    buttons->addWidget(windowsMediaButtonLit, 0, 0, Qt::AlignCenter);
    buttons->addWidget(realOneButton, 0, 1, Qt::AlignCenter);
    buttons->addWidget(realOneButtonLit, 0, 1, Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch();
    layout->addWidget(helpText);
    layout->addSpacing(16);
    layout->addWidget(needsText);
    layout->addWidget(playerNames);
    layout->addLayout(buttons);
    layout->addSpacing(16);
    layout->addWidget(noteText);
    layout->addStretch();
    for (QLabel* image : {realOneButton, windowsMediaButton, windowsMediaButtonLit, realOneButtonLit})
        image->installEventFilter(this);
}

StartPage::~StartPage() = default;

void StartPage::highlight(QLabel* normal)
{
    windowsMediaButton->setVisible(normal != windowsMediaButton);
    windowsMediaButtonLit->setVisible(normal == windowsMediaButton);
    realOneButton->setVisible(normal != realOneButton);
    realOneButtonLit->setVisible(normal == realOneButton);
}

bool StartPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (watched == windowsMediaButton || watched == windowsMediaButtonLit)
            highlight(windowsMediaButton);
        else if (watched == realOneButton || watched == realOneButtonLit)
            highlight(realOneButton);
        return event->type() == QEvent::MouseMove;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == windowsMediaButtonLit)
            m_open(QUrl(QString::fromLatin1(kWindowsMediaDownload)));
        else if (watched == realOneButtonLit)
            m_open(QUrl(QString::fromLatin1(kRealPlayerDownload)));
    }
    return QWidget::eventFilter(watched, event);
}

void StartPage::mouseMoveEvent(QMouseEvent* event)
{
    highlight(nullptr);
    QWidget::mouseMoveEvent(event);
}
