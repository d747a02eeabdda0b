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
    Label4 = text("Label4",
        QStringLiteral(
            "Note: To let the program working properly on Windows VISTA & W7 run it as ADMINISTRATOR."));
    Label2 = text("Label2",
        QStringLiteral("To play a channel just double click at it, and if you want to add it to your "
                       "favorites just right click "
                       "it and select Add to favorites, for additional informations about channel select "
                       "information. IF VIDEO "
                       "IN FULLSCREEN VIEW PRESS ESC TO RETURN TO NORMAL VIEW."));
    Label3 = text("Label3", QStringLiteral("You may need the latest versions of :"));
    Label1 = text("Label1", QStringLiteral("Windows Media Player            Real One Player"));
    Image2 = picture("Image2", plate(QStringLiteral("Windows Media Player"), false));
    Image3 = picture("Image3", plate(QStringLiteral("Windows Media Player"), true));
    Image1 = picture("Image1", plate(QStringLiteral("Real One Player"), false));
    Image4 = picture("Image4", plate(QStringLiteral("Real One Player"), true));
    Image3->hide();
    Image4->hide();

    auto* buttons = new QGridLayout;
    buttons->addWidget(Image2, 0, 0, Qt::AlignCenter);
    buttons->addWidget(Image3, 0, 0, Qt::AlignCenter);
    buttons->addWidget(Image1, 0, 1, Qt::AlignCenter);
    buttons->addWidget(Image4, 0, 1, Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch();
    layout->addWidget(Label2);
    layout->addSpacing(16);
    layout->addWidget(Label3);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    layout->addSpacing(16);
    layout->addWidget(Label4);
    layout->addStretch();
    for (QLabel* image : {Image1, Image2, Image3, Image4})
        image->installEventFilter(this);
}

StartPage::~StartPage() = default;

void StartPage::highlight(QLabel* normal)
{
    Image2->setVisible(normal != Image2);
    Image3->setVisible(normal == Image2);
    Image1->setVisible(normal != Image1);
    Image4->setVisible(normal == Image1);
}

bool StartPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (watched == Image2 || watched == Image3)
            highlight(Image2);
        else if (watched == Image1 || watched == Image4)
            highlight(Image1);
        return event->type() == QEvent::MouseMove;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Image3)
            m_open(QUrl(QString::fromLatin1(kWindowsMediaDownload)));
        else if (watched == Image4)
            m_open(QUrl(QString::fromLatin1(kRealPlayerDownload)));
    }
    return QWidget::eventFilter(watched, event);
}

void StartPage::mouseMoveEvent(QMouseEvent* event)
{
    highlight(nullptr);
    QWidget::mouseMoveEvent(event);
}
