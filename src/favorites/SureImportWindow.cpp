#include "favorites/SureImportWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SureImportWindow::SureImportWindow(QWidget* owner, ChromeState state)
    : ChromeDialog(owner, Frame::Rounded, state)
{
    setObjectName(QStringLiteral("frmSureImport"));
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(340);
    const auto answer = [this](const char* name, const char* tag) {
        auto* button = new QPushButton;
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, [this, tag] {
            m_tag = QString::fromLatin1(tag);
            hide();
        });
        return button;
    };
    Command2 = answer("Command2", "Yes");
    Command1 = answer("Command1", "No");
    Command3 = answer("Command3", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    addDragHandle(Label1);
}

SureImportWindow::~SureImportWindow() = default;

QString SureImportWindow::ask(
    const QString& question, const QString& yes, const QString& no, const QString& cancel)
{
    Label1->setText(question);
    Command2->setText(yes);
    Command1->setText(no);
    Command3->setText(cancel);
    m_tag = QStringLiteral("Cancel"); // closing the window any other way cancels
    adjustSize();
    exec();
    return m_tag;
}
