#include "ui/MessageQuestionWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MessageQuestionWindow::MessageQuestionWindow(QWidget* owner, ChromeState state)
    : ChromeDialog(owner, Frame::Rounded, state)
{
    setObjectName(QStringLiteral("frmMessages"));
    setWindowTitle(QStringLiteral("Messages"));
    questionLabel = new QLabel(
        QStringLiteral("There is a Favorite with the same URL(Path), Do you want to overwrite it?"));
    questionLabel->setObjectName(QStringLiteral("Label1"));
    questionLabel->setWordWrap(true);
    questionLabel->setMinimumWidth(320);
    noButton = new QPushButton(QStringLiteral("&No"));
    noButton->setObjectName(QStringLiteral("Command1"));
    yesButton = new QPushButton(QStringLiteral("&Yes"));
    yesButton->setObjectName(QStringLiteral("Command2"));
    yesButton->setDefault(true);
    connect(noButton, &QPushButton::clicked, this, [this] {
        m_tag = QStringLiteral("No");
        hide();
    });
    connect(yesButton, &QPushButton::clicked, this, [this] {
        m_tag = QStringLiteral("Yes");
        hide();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yesButton);
    buttons->addWidget(noButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(questionLabel);
    layout->addLayout(buttons);
    addDragHandle(questionLabel);
}

MessageQuestionWindow::~MessageQuestionWindow() = default;

QString MessageQuestionWindow::ask(
    const QString& question, const QString& yesCaption, const QString& noCaption)
{
    questionLabel->setText(question);
    yesButton->setText(yesCaption);
    noButton->setText(noCaption);
    m_tag.clear();
    adjustSize();
    exec();
    return m_tag;
}
