#include "state/ProgramFolder.h"

#include "base/FileIo.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef VIDORRA_INSTALLED_DATA
#define VIDORRA_INSTALLED_DATA "/usr/share/vidorra"
#endif
#ifndef VIDORRA_DATA_FROM_BIN
#define VIDORRA_DATA_FROM_BIN "../share/vidorra"
#endif

ProgramFolder ProgramFolder::resolve(const Environment& environment)
{
    if (!environment.vidorraHome.isEmpty())
        return ProgramFolder(QDir::cleanPath(environment.vidorraHome));
    if (!environment.executableDir.isEmpty()
        && QFileInfo(QDir(environment.executableDir).filePath(QStringLiteral("inf"))).isFile())
        return ProgramFolder(QDir::cleanPath(environment.executableDir));

    const QString perUser = QDir(environment.xdgDataHome).filePath(QStringLiteral("vidorra"));
    QDir().mkpath(perUser);
    if (!environment.installedDefaults.isEmpty())
        seedMissing(environment.installedDefaults, perUser);
    return ProgramFolder(QDir::cleanPath(perUser));
}

ProgramFolder::Environment ProgramFolder::currentEnvironment()
{
    Environment environment;
    environment.vidorraHome = qEnvironmentVariable("VIDORRA_HOME");
    environment.executableDir = QCoreApplication::applicationDirPath();
    environment.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (environment.xdgDataHome.isEmpty())
        environment.xdgDataHome = QDir::home().filePath(QStringLiteral(".local/share"));
    environment.installedDefaults = installedDefaults(environment.executableDir);
    return environment;
}

// A build tree ships its defaults in data/ beside the executable; an install, at the
// layout's path from its bin/, wherever its prefix went; else at the configured prefix.
QString ProgramFolder::installedDefaults(const QString& executableDir)
{
    const QDir bin(executableDir);
    for (const QString& candidate :
        {bin.filePath(QStringLiteral("data")), bin.filePath(QStringLiteral(VIDORRA_DATA_FROM_BIN))}) {
        if (QFileInfo(QDir(candidate).filePath(QStringLiteral("inf"))).isFile())
            return QDir::cleanPath(candidate);
    }
    return QStringLiteral(VIDORRA_INSTALLED_DATA);
}

QString ProgramFolder::file(const QString& name) const { return QDir(m_root).filePath(name); }

QString ProgramFolder::languageFile(const QString& languageName) const
{
    return QDir(m_root).filePath(QStringLiteral("Language/") + languageName);
}

void ProgramFolder::seedMissing(const QString& from, const QString& to)
{
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(path));
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(path, target);
        // Installed defaults may be read-only; the user's copies must be writable.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
}

int ProgramFolder::removeWriteLeftovers() const
{
    int removed = 0;
    const QDir dir(m_root);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (FileIo::isWriteLeftover(name) && QFile::remove(dir.filePath(name)))
            ++removed;
    return removed;
}
