#pragma once

#include "schedule/core/ScheduledProgram.h"
#include "ui/ChromeDialog.h"

#include <QVector>

class LanguageTexts;
class QPushButton;
class QTreeWidget;

// `frmScheduledPrograms`: every scheduled program, a row each, with Run, Modify and
// Delete for the selected one. What the buttons do is given by the caller.
class ScheduledListWindow final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScheduledListWindow)
public:
    ScheduledListWindow(QWidget* owner, ChromeState state, const LanguageTexts& texts);
    ~ScheduledListWindow() override;

    // Refills the rows from the list; keys "S0", "S1", ...
    void refill(const QVector<ScheduledProgram>& programs);
    // The selected program's index, or -1.
    int selectedIndex() const;

    // Column 3's text: "HH:MM:SS" every day, else the date before it, with the user's
    // locale's date and time separators.
    static QString startText(double startTime);

    QTreeWidget* programsView;
    QPushButton* runButton;
    QPushButton* modifyButton;
    QPushButton* deleteButton;
    QPushButton* closeButton;

Q_SIGNALS:
    void runClicked(int index);
    void modifyClicked(int index);
    void deleteClicked(int index);
};
