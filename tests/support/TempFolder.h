#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test.
class TempFolder {
public:
    TempFolder() { dir_.setAutoRemove(true); }

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        const QString target = file(name);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile out(target);
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
        return target;
    }

    void remove(const QString& name) const { QFile::remove(file(name)); }
    QByteArray read(const QString& name) const
    {
        QFile in(file(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};
