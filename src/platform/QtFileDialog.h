#pragma once

#include "platform/FileDialog.h"

// The desktop's file dialogs through QFileDialog.
class QtFileDialog final : public FileDialog {
public:
    Choice openFiles(
        QWidget* owner, const QString& title, const QStringList& filters, bool multiple) override;
    QString saveFile(QWidget* owner, const QString& title, const QString& suggestedName,
        const QStringList& filters) override;
};
