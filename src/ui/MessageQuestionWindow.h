#pragma once

#include "ui/ChromeDialog.h"

class QLabel;
class QPushButton;

// `frmMessages`: a yes/no question. The answer is its tag, "Yes" or "No"; the window only
// hides after answering, so the caller can read the tag when the modal show returns.
class MessageQuestionWindow final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageQuestionWindow)
public:
    MessageQuestionWindow(QWidget* owner, ChromeState state);
    ~MessageQuestionWindow() override;

    // Sets the three captions, shows the question modally and returns the tag.
    QString ask(const QString& question, const QString& yesCaption, const QString& noCaption);
    const QString& tag() const { return m_tag; }

    QLabel* questionLabel;
    QPushButton* noButton; // no
    QPushButton* yesButton; // yes

private:
    QString m_tag;
};
