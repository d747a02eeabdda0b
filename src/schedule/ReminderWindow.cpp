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

    lblMessage = new QLabel(texts.text(TextId::TheProgram) + QLatin1Char(' ') + programName.trimmed() + QLatin1Char(' ')
        + texts.text(TextId::Starts) + QStringLiteral(" ( %1 ) ").arg(start.toString(QStringLiteral("HH:mm:ss"))));
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setMinimumWidth(280);
    lblMessage->setTextFormat(Qt::PlainText);
    cmdRunTheProgram = new QPushButton(texts.text(TextId::Watch));
    cmdRunTheProgram->setObjectName(QStringLiteral("cmdRunTheProgram"));
    cmdRunTheProgram->setDefault(true);
    cmdClose = new QPushButton(texts.text(TextId::Close));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdRunTheProgram, &QPushButton::clicked, this, [this] { Q_EMIT runRequested(m_index); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRunTheProgram);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(lblMessage);
    layout->addLayout(buttons);
    addDragHandle(lblMessage);
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
