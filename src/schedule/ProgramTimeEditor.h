#pragma once

#include "ui/ChromeDialog.h"

#include <QDateTime>

#include <optional>

class LanguageTexts;
class NumberField;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// `frmSetProgramTime`: a program's name, its channel's name and when it starts, at one
// date or every day. Set adds a program, Modify changes the one being edited; what they
// do is given by the caller.
class ProgramTimeEditor final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramTimeEditor)
public:
    ProgramTimeEditor(QWidget* owner, ChromeState state, const LanguageTexts& texts, const QDate& today);
    ~ProgramTimeEditor() override;

    // For a new program of a channel: every day, today's date proposed, Modify off.
    void proposeNew(const QString& channelName);
    // For an existing program: its fields, Set off.
    void editExisting(int index, const QString& programName, const QString& channelName, double startTime);

    int editedIndex() const { return m_editedIndex; }
    // The start as typed: a day number, a time of day alone for every day. Nothing when a
    // field holds no number.
    std::optional<double> startTime() const;

    QGroupBox* programBox;
    QLineEdit* programNameEdit;
    QLineEdit* channelNameEdit;
    QGroupBox* startBox;
    NumberField* hours;
    NumberField* minutes;
    NumberField* seconds;
    NumberField* day;
    NumberField* month;
    NumberField* year;
    QCheckBox* everyDayCheck;
    QPushButton* setButton;
    QPushButton* modifyButton;
    QPushButton* closeButton;

Q_SIGNALS:
    void setClicked();
    void modifyClicked();

private:
    void build(const LanguageTexts& texts);
    void enableDate();
    // The year field reaches from the earlier of this year and `stored` to ten years on.
    void rangeYears(int stored);

    QDate m_today;
    int m_editedIndex = -1;
};
