#pragma once

#include "ui/ChromeDialog.h"

class LanguageTexts;
class QLabel;
class QPushButton;

// `frmInformUserAboutProgram`: tells that a scheduled program is about to start. Always
// on top, in the lower right corner of the screen's free area (above the panel).
class ReminderWindow final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReminderWindow)
public:
    // `index` is the program's place in the scheduled list.
    ReminderWindow(QWidget* owner, ChromeState state, const LanguageTexts& texts, int index,
        const QString& programName, const QTime& start);
    ~ReminderWindow() override;

    int programIndex() const { return m_index; }
    // Puts the window in the lower right corner of the free area of its screen.
    void placeInCorner();

    QLabel* messageLabel;
    QPushButton* runProgramButton;
    QPushButton* closeButton;

Q_SIGNALS:
    void runRequested(int index);

private:
    int m_index;
};
