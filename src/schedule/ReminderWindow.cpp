#include "schedule/ReminderWindow.h"

#include "state/LanguageTexts.h"
#include "state/TextId.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QVBoxLayout>

ReminderWindow::ReminderWindow(QWidget* owner, ChromeState state, const LanguageTexts& texts, int index,
    const QString& programName, const QTime& start)
    : ChromeDialog(owner, Frame::Rounded, {true, state.rightToLeft}), m_index(index)
{
    setObjectName(QStringLiteral("frmInformUserAboutProgram"));
    setWindowTitle(texts.text(TextId::ReminderTitle));
    // A reminder stands above every window, whatever the always-on-top setting.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_DeleteOnClose);

    messageLabel = new QLabel(texts.text(TextId::TheProgram) + QLatin1Char(' ') + programName.trimmed()
        + QLatin1Char(' ') + texts.text(TextId::Starts)
        + QStringLiteral(" ( %1 ) ").arg(start.toString(QStringLiteral("HH:mm:ss"))));
    messageLabel->setObjectName(QStringLiteral("lblMessage"));
    messageLabel->setWordWrap(true);
    messageLabel->setMinimumWidth(280);
    messageLabel->setTextFormat(Qt::PlainText);
    runProgramButton = new QPushButton(texts.text(TextId::Watch));
    runProgramButton->setObjectName(QStringLiteral("cmdRunTheProgram"));
    runProgramButton->setDefault(true);
    closeButton = new QPushButton(texts.text(TextId::Close));
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(runProgramButton, &QPushButton::clicked, this, [this] { Q_EMIT runRequested(m_index); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(runProgramButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(messageLabel);
    layout->addLayout(buttons);
    addDragHandle(messageLabel);
}

ReminderWindow::~ReminderWindow() = default;

void ReminderWindow::placeInCorner()
{
    adjustSize();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry(); // the screen less its panels
    const QSize size = frameGeometry().size();
    move(free.right() + 1 - size.width(), free.bottom() + 1 - size.height());
}
