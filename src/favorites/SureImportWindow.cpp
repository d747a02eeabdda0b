#include "favorites/SureImportWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SureImportWindow::SureImportWindow(QWidget* owner, ChromeState state)
    : ChromeDialog(owner, Frame::Rounded, state)
{
    setObjectName(QStringLiteral("frmSureImport"));
    questionLabel = new QLabel;
    questionLabel->setObjectName(QStringLiteral("Label1"));
    questionLabel->setWordWrap(true);
    questionLabel->setMinimumWidth(340);
    const auto answer = [this](const char* name, const char* tag) {
        auto* button = new QPushButton;
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, [this, tag] {
            m_tag = QString::fromLatin1(tag);
            hide();
        });
        return button;
    };
    yesButton = answer("Command2", "Yes");
    noButton = answer("Command1", "No");
    cancelButton = answer("Command3", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yesButton);
    buttons->addWidget(noButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(questionLabel);
    layout->addLayout(buttons);
    addDragHandle(questionLabel);
}

SureImportWindow::~SureImportWindow() = default;

QString SureImportWindow::ask(
    const QString& question, const QString& yes, const QString& no, const QString& cancel)
{
    questionLabel->setText(question);
    yesButton->setText(yes);
    noButton->setText(no);
    cancelButton->setText(cancel);
    m_tag = QStringLiteral("Cancel"); // closing the window any other way cancels
    adjustSize();
    exec();
    return m_tag;
}
