#include "platform/QtFileDialog.h"

#include <QFileDialog>

FileDialog::Choice QtFileDialog::openFiles(
    QWidget* owner, const QString& title, const QStringList& filters, bool multiple)
{
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {dialog.selectedFiles(), static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

QString QtFileDialog::saveFile(
    QWidget* owner, const QString& title, const QString& suggestedName, const QStringList& filters)
{
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
