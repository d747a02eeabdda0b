#pragma once

#include "ui/ChromeDialog.h"

class LanguageTexts;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeView;
class SearchResultsModel;

// `frmFind`: the search text, names or information, the collections to search, and the
// results. Modeless; what Find and Run do is given by the caller.
class FindWindow final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindWindow)
public:
    FindWindow(QWidget* owner, ChromeState state, const LanguageTexts& texts, SearchResultsModel& results);
    ~FindWindow() override;

    // The selected result's row, or -1.
    int selectedRow() const;

    QLineEdit* Text1;
    QGroupBox* Frame1;
    QRadioButton* OptName;
    QRadioButton* OptInfo;
    QCheckBox* chkWholeWord;
    QCheckBox* chkTV;
    QCheckBox* chkRad;
    QCheckBox* chkFav;
    QPushButton* Command1; // Find
    QPushButton* cmdRun;
    QPushButton* Command2; // Close
    QTreeView* ListView1;

Q_SIGNALS:
    void findClicked();
    void runClicked(int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Keeps one of the three collections ticked: the last one ticked cannot be cleared.
    void checkSelected();
    void byInformation();
    void byName();
};
