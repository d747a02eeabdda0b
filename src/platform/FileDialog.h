#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open and save dialogs. Filters are "Label (*.a *.b)" entries in order.
class FileDialog {
public:
    struct Choice {
        QStringList files; // empty when cancelled
        int filterIndex = -1; // 0-based index of the selected filter
    };

    virtual ~FileDialog() = default;
    virtual Choice openFiles(QWidget* owner, const QString& title, const QStringList& filters, bool multiple)
        = 0;
    virtual QString saveFile(
        QWidget* owner, const QString& title, const QString& suggestedName, const QStringList& filters)
        = 0;
};
