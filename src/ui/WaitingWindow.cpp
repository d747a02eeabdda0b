#include "ui/WaitingWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WaitingWindow::WaitingWindow(QWidget* owner, bool topmost)
    : ChromeDialog(owner, Frame::Rounded, {topmost, false})
{
    setObjectName(QStringLiteral("Waiting"));
    messageLabel = new QLabel(QStringLiteral("Please wait till loading list of Channels and Radios"));
    messageLabel->setObjectName(QStringLiteral("Label1"));
    messageLabel->setWordWrap(true);
    messageLabel->setAlignment(Qt::AlignCenter);
    messageLabel->setMinimumWidth(320);
    okButton = new QPushButton;
    okButton->setObjectName(QStringLiteral("cmdOk"));
    okButton->setVisible(false);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(messageLabel);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    addDragHandle(messageLabel);
}

WaitingWindow::~WaitingWindow() = default;

void WaitingWindow::showNotice(const QString& text)
{
    messageLabel->setText(text);
    okButton->setVisible(false);
    setModal(false);
    adjustSize();
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WaitingWindow::offerSkip(const QString& caption)
{
    okButton->setText(caption);
    okButton->setVisible(true);
    disconnect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(okButton, &QPushButton::clicked, this, &WaitingWindow::skipped, Qt::UniqueConnection);
    adjustSize();
}

void WaitingWindow::showMessage(const QString& text, const QString& okCaption)
{
    messageLabel->setText(text);
    okButton->setText(okCaption);
    okButton->setVisible(true);
    adjustSize();
    exec();
}
