#pragma once

#include "ui/ChromeDialog.h"

class LanguageTexts;
class NumberField;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class Settings;

// `frmOptions`: the history length, automatic list updates, minimising on close, the
// reminder with its two times, and the new-version notice. It reads the settings when
// it opens; what OK and Clear History do is given by the caller.
class OptionsDialog final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsDialog)
public:
    // `dialogTitle` and `advancedTitle` come from the main window's menu captions.
    OptionsDialog(QWidget* owner, ChromeState state, const LanguageTexts& texts, const QString& dialogTitle,
        const QString& advancedTitle);
    ~OptionsDialog() override;

    // Fills the controls from settings lines 7 and 9 to 14.
    void load(const Settings& settings);
    // Writes the controls into settings lines 7 and 9 to 14.
    void store(Settings& settings) const;

    QGroupBox* historyBox;
    QLineEdit* historyLengthEdit; // history length
    NumberField* history;
    QPushButton* clearHistoryButton; // Clear History
    QGroupBox* internetBox;
    QCheckBox* updateListsCheck;
    QCheckBox* minimizeOnCloseCheck;
    QCheckBox* tellNewVersionCheck;
    QGroupBox* remindersBox;
    QCheckBox* remindMeCheck;
    QLineEdit* remindBeforeEdit;
    QScrollBar* remindBeforeSpinner;
    QLineEdit* remindEveryEdit;
    QScrollBar* remindEverySpinner;
    QPushButton* okButton; // OK
    QPushButton* cancelButton; // Cancel

Q_SIGNALS:
    void clearHistoryClicked();
    void confirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(const LanguageTexts& texts, const QString& advancedTitle);
    void enableReminder();
    void beforeStartChanged(const QString& text);
    void remindEveryChanged(const QString& text);
    void beforeStartSpun(int minutes);
    void remindEverySpun(int minutes);
};
