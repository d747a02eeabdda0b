#pragma once

#include "ui/ChromeDialog.h"

class QLabel;
class QPushButton;

// `Waiting`: the please-wait notice while lists load, and the program's one-button message box.
class WaitingWindow final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WaitingWindow)
public:
    WaitingWindow(QWidget* owner, bool topmost);
    ~WaitingWindow() override;

    // Shows the notice without waiting and lets it paint at once; okButton stays hidden.
    void showNotice(const QString& text);
    // Shows okButton captioned caption under the notice; pressing it emits skipped().
    void offerSkip(const QString& caption);
    // Shows the message modally with okButton captioned okCaption; returns when it is pressed.
    void showMessage(const QString& text, const QString& okCaption);

Q_SIGNALS:
    void skipped();

public:
    QLabel* messageLabel;
    QPushButton* okButton;
};
