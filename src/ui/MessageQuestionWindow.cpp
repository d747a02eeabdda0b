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
    Label1 = new QLabel(
        QStringLiteral("There is a Favorite with the same URL(Path), Do you want to overwrite it?"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(320);
    Command1 = new QPushButton(QStringLiteral("&No"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Yes"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] {
        m_tag = QStringLiteral("No");
        hide();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        m_tag = QStringLiteral("Yes");
        hide();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    addDragHandle(Label1);
}

MessageQuestionWindow::~MessageQuestionWindow() = default;

QString MessageQuestionWindow::ask(
    const QString& question, const QString& yesCaption, const QString& noCaption)
{
    Label1->setText(question);
    Command2->setText(yesCaption);
    Command1->setText(noCaption);
    m_tag.clear();
    adjustSize();
    exec();
    return m_tag;
}
