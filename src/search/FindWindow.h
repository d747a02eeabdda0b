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

    QLineEdit* searchEdit;
    QGroupBox* searchInBox;
    QRadioButton* inNamesOption;
    QRadioButton* inInformationOption;
    QCheckBox* wholeWordCheck;
    QCheckBox* tvCheck;
    QCheckBox* radioCheck;
    QCheckBox* favoritesCheck;
    QPushButton* findButton; // Find
    QPushButton* runButton;
    QPushButton* closeButton; // Close
    QTreeView* resultsView;

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
