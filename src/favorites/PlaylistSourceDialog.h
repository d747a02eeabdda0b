#pragma once

#include "ui/ChromeDialog.h"

#include <functional>

class QLineEdit;
class QPushButton;

// Where a playlist to import comes from: a file of this computer (typed or browsed for)
// or a web address.
class PlaylistSourceDialog final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlaylistSourceDialog)
public:
    // `browse` asks for a file and returns it, empty when none was chosen.
    PlaylistSourceDialog(QWidget* owner, ChromeState state, std::function<QString()> browse);
    ~PlaylistSourceDialog() override;

    // Runs the dialog; the source as typed, empty when cancelled.
    QString ask();

    QLineEdit* sourceEdit;
    QPushButton* browseButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

private:
    std::function<QString()> m_browse;
};
