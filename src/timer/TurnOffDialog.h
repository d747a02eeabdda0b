#pragma once

#include "ui/ChromeDialog.h"

class LanguageTexts;
enum class TextId : int;
class NumberField;
class QGroupBox;
class QPushButton;
class QRadioButton;

// `Time`: when to turn the computer off, after a duration or at a clock time. What Set and
// Stop do is given by the caller.
class TurnOffDialog final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TurnOffDialog)
public:
    TurnOffDialog(QWidget* owner, ChromeState state, const LanguageTexts& texts, bool running);
    ~TurnOffDialog() override;

    // The controls while the timer runs (only Stop) or not.
    void showRunning(bool running);

    QGroupBox* whenBox;
    QRadioButton* afterOption; // after a duration
    QGroupBox* afterBox;
    NumberField* hoursAfter;
    NumberField* minutesAfter;
    NumberField* secondsAfter;
    QRadioButton* atOption; // at a clock time
    QGroupBox* atBox;
    NumberField* hourAt;
    NumberField* minuteAt;
    NumberField* secondAt;
    QPushButton* cancelButton;
    QPushButton* setButton;
    QPushButton* stopButton;

Q_SIGNALS:
    void setClicked();
    void stopClicked();

private:
    QGroupBox* fields(const char* name, const QString& title, const LanguageTexts& texts,
        TextId firstLabelText, const char* const names[6], const int minimums[3], NumberField** out[3]);
};
