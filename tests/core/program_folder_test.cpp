#include "state/ProgramFolder.h"

#include "support/TempFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

TEST(ProgramFolderResolve, EnvironmentVariableWins)
{
    TempFolder exe;
    exe.write(QStringLiteral("inf"), "14\r\n");
    ProgramFolder::Environment env;
    env.vidorraHome = QStringLiteral("/tmp/somewhere/");
    env.executableDir = exe.path();
    EXPECT_EQ(ProgramFolder::resolve(env).root(), QStringLiteral("/tmp/somewhere"));
}

TEST(ProgramFolderResolve, PortableLayoutWhenTheExecutableFolderHoldsInf)
{
    TempFolder exe;
    exe.write(QStringLiteral("inf"), "14\r\n");
    ProgramFolder::Environment env;
    env.executableDir = exe.path();
    env.xdgDataHome = QStringLiteral("/nonexistent");
    EXPECT_EQ(ProgramFolder::resolve(env).root(), exe.path());
}

TEST(ProgramFolderResolve, PerUserFolderIsSeededWithoutOverwriting)
{
    TempFolder exe, xdg, defaults;
    defaults.write(QStringLiteral("inf"), "default inf");
    defaults.write(QStringLiteral("fav.fav"), "");
    defaults.write(QStringLiteral("Language/english"), "english");
    xdg.write(QStringLiteral("vidorra/inf"), "user inf");

    ProgramFolder::Environment env;
    env.executableDir = exe.path();
    env.xdgDataHome = xdg.path();
    env.installedDefaults = defaults.path();
    const ProgramFolder folder = ProgramFolder::resolve(env);

    EXPECT_EQ(folder.root(), xdg.file(QStringLiteral("vidorra")));
    EXPECT_EQ(xdg.read(QStringLiteral("vidorra/inf")), QByteArray("user inf"));
    EXPECT_EQ(xdg.read(QStringLiteral("vidorra/Language/english")), QByteArray("english"));
    EXPECT_TRUE(QFileInfo::exists(xdg.file(QStringLiteral("vidorra/fav.fav"))));
    EXPECT_EQ(
        folder.languageFile(QStringLiteral("english")), xdg.file(QStringLiteral("vidorra/Language/english")));
}

TEST(ProgramFolderResolve, SeededCopiesOfReadOnlyDefaultsAreWritable)
{
    TempFolder xdg, defaults;
    const QString source = defaults.write(QStringLiteral("inf"), "14\r\n");
    QFile::setPermissions(source, QFile::ReadOwner);
    ProgramFolder::seedMissing(defaults.path(), xdg.path());
    EXPECT_TRUE(QFile::permissions(xdg.file(QStringLiteral("inf"))) & QFile::WriteOwner);
}

TEST(ProgramFolderResolve, InstalledDefaultsAreFoundWhereverThePrefixWent)
{
    TempFolder prefix;
    prefix.write(QStringLiteral("share/vidorra/inf"), "14\r\n");
    prefix.write(QStringLiteral("bin/vidorra"), "");
    EXPECT_EQ(ProgramFolder::installedDefaults(prefix.file(QStringLiteral("bin"))),
        QFileInfo(prefix.file(QStringLiteral("share/vidorra"))).absoluteFilePath());
    TempFolder buildTree;
    buildTree.write(QStringLiteral("data/inf"), "14\r\n");
    EXPECT_EQ(ProgramFolder::installedDefaults(buildTree.path()), buildTree.file(QStringLiteral("data")));
    TempFolder elsewhere; // neither: the configured prefix
    EXPECT_TRUE(ProgramFolder::installedDefaults(elsewhere.path()).endsWith(QStringLiteral("/share/vidorra")));
}

TEST(ProgramFolderLeftovers, OnlyTheProgramsOwnTemporaryFilesAreRemoved)
{
    TempFolder folder;
    const QStringList leftovers = {QStringLiteral(".fav.fav.a1B2c3.vidorra-partial"),
        QStringLiteral(".placement.XyZ789.vidorra-partial"), QStringLiteral(".inf.Qq0000.vidorra-partial")};
    // Names a user may well give a copy of their own files.
    const QStringList kept = {QStringLiteral("fav.fav"), QStringLiteral("fav.fav.backup"),
        QStringLiteral("inf.backup"), QStringLiteral("avtapit.dll.orig01"), QStringLiteral("scheduledprograms.2024q1"),
        QStringLiteral("fav.fav.a1B2c3"), QStringLiteral(".fav.fav.a1B2c3"), QStringLiteral("fav.fav.vidorra-partial"),
        QStringLiteral(".fav.fav.a1B2.vidorra-partial")};
    for (const QString& name : leftovers + kept)
        folder.write(name, "x");
    EXPECT_EQ(ProgramFolder(folder.path()).removeWriteLeftovers(), leftovers.size());
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFileInfo::exists(folder.file(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFileInfo::exists(folder.file(name))) << name.toStdString();
}
