#include "playback/AudioPanel.h"

#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* line(QWidget* parent, const char* name, int pointSizeStep, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText); // stream titles come from the server
    QFont font = label->font();
    font.setPointSize(font.pointSize() + pointSizeStep);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QString elapsedText(double seconds)
{
    const int total = std::max(0, static_cast<int>(seconds));
    const QString minutesSeconds
        = QStringLiteral("%1:%2").arg((total / 60) % 60, 2, 10, QChar(u'0')).arg(total % 60, 2, 10, QChar(u'0'));
    return total >= 3600 ? QStringLiteral("%1:%2").arg(total / 3600).arg(minutesSeconds) : minutesSeconds;
}

} // namespace

AudioPanel::AudioPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("audioPanel"));
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(0x14, 0x18, 0x22));
    dark.setColor(QPalette::WindowText, QColor(0xf2, 0xf2, 0xf2));
    setPalette(dark);

    iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("audioIcon"));
    iconLabel->setAlignment(Qt::AlignCenter);
    nameLabel = line(this, "audioName", 6, true);
    streamTitleLabel = line(this, "streamTitle", 2, false);
    elapsedLabel = line(this, "elapsed", 0, false);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(iconLabel);
    layout->addSpacing(8);
    layout->addWidget(nameLabel);
    layout->addWidget(streamTitleLabel);
    layout->addSpacing(8);
    layout->addWidget(elapsedLabel);
    layout->addStretch();
}

AudioPanel::~AudioPanel() = default;

void AudioPanel::setItem(const QString& name, const QIcon& icon)
{
    nameLabel->setText(name);
    iconLabel->setPixmap(icon.isNull() ? QPixmap() : icon.pixmap(48, 48));
    streamTitleLabel->clear();
    elapsedLabel->setText(elapsedText(0));
}

void AudioPanel::setStreamTitle(const QString& title) { streamTitleLabel->setText(title); }

void AudioPanel::setElapsed(double seconds) { elapsedLabel->setText(elapsedText(seconds)); }
