#pragma once

#include "ui/ChromeDialog.h"

class QLabel;
class QPushButton;

// `frmSureImport`: replace the favorites with a file's, tidied (Yes) or as they are (No),
// or Cancel. The answer is its tag.
class SureImportWindow final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SureImportWindow)
public:
    SureImportWindow(QWidget* owner, ChromeState state);
    ~SureImportWindow() override;

    QString ask(const QString& question, const QString& yes, const QString& no, const QString& cancel);
    const QString& tag() const { return m_tag; }

    QLabel* questionLabel;
    QPushButton* noButton; // no
    QPushButton* yesButton; // yes
    QPushButton* cancelButton; // cancel

private:
    QString m_tag;
};
