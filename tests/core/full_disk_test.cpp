#include "base/FileIo.h"
#include "base/SerialFileWriter.h"
#include "catalogue/core/Catalogue.h"
#include "favorites/core/FavoritesFile.h"
#include "favorites/core/FavoritesStore.h"
#include "schedule/core/ScheduleFile.h"
#include "schedule/core/ScheduleStore.h"
#include "state/Settings.h"

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// Every writer on a full disk and in a program folder that cannot be written: it says it
// failed, the previous file stays as it was, and nothing is left beside it.
namespace {

const QByteArray kSettings = "14\r\n0\r\n0\r\n0\r\n0\r\n1.0.0\r\nlanguage=english\r\nmru=10\r\n";

ChannelRecord bigFavorite()
{
    ChannelRecord r;
    r.kind = ChannelRecord::Tv;
    r.name = QStringLiteral("Big");
    r.op = 1;
    r.address = QByteArray("gssor9..a-dw");
    r.info = QString(8192, u'i');
    return r;
}

// Each writer, asked to write more than 256 bytes over the file it finds; its error text.
using Writer = QString (*)(const QString& folder);

QString settingsWriter(const QString& folder)
{
    Settings settings = Settings::fromBytes(kSettings);
    settings.setLine(Settings::Language, QStringLiteral("language=") + QString(4096, u'x'));
    return settings.save(QDir(folder).filePath(QStringLiteral("inf")));
}

QString favoritesWriter(const QString& folder)
{
    Catalogue catalogue;
    FavoritesStore store(catalogue, QDir(folder).filePath(QStringLiteral("fav.fav")));
    return store.append(bigFavorite()) ? QString() : store.lastError();
}

QString scheduleWriter(const QString& folder)
{
    ScheduleStore store(QDir(folder).filePath(QStringLiteral("scheduledprograms")));
    store.load(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
    return store.add({QStringLiteral("P"), QStringLiteral("News"), 46400.5, "gssor9..a-dw"}) ? QString() : store.lastError();
}

QString recentFilesWriter(const QString& folder)
{
    SerialFileWriter writer(QDir(folder).filePath(QStringLiteral("mruf")));
    writer.write(QByteArray("1|name|gssor9..a-dw\r\n").repeated(200));
    writer.wait();
    return writer.lastError();
}

QString wholeFileWriter(const QString& folder)
{
    return FileIo::writeFileAtomically(QDir(folder).filePath(QStringLiteral("avtapit.dll")), QByteArray(4096, '|'));
}

struct WriterCase {
    const char* file;
    Writer write;
};

const WriterCase kWriters[] = {{"inf", settingsWriter}, {"fav.fav", favoritesWriter},
    {"scheduledprograms", scheduleWriter}, {"mruf", recentFilesWriter}, {"avtapit.dll", wholeFileWriter}};

// A folder on a file system of its own that is read-only, in a mount namespace of this
// process (root passes every permission check, so permissions alone would not stop it).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : m_path(path.toLocal8Bit())
    {
        if (::geteuid() != 0)
            return; // for anyone else, the folder's permissions are enough
        m_mounted = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount("vidorra-test", m_path.constData(), "tmpfs", 0, "size=1m") == 0;
    }
    bool ready() const { return ::geteuid() != 0 || m_mounted; }
    void makeReadOnly()
    {
        if (::geteuid() == 0)
            ::mount(nullptr, m_path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
        else
            QFile::setPermissions(QString::fromLocal8Bit(m_path), QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            ::umount(m_path.constData());
        else
            QFile::setPermissions(QString::fromLocal8Bit(m_path), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QByteArray m_path;
    bool m_mounted = false;
};

class FailedWriteTest : public ::testing::TestWithParam<WriterCase> {
protected:
    static constexpr char kOld[] = "the file as it was\r\n";
    QStringList others(const QString& folder) const
    {
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QString::fromLatin1(GetParam().file));
        return names;
    }
};

} // namespace

TEST_P(FailedWriteTest, OnAFullDisk)
{
    TempFolder folder;
    folder.write(QString::fromLatin1(GetParam().file), kOld);
    QString error;
    {
        const FileSizeLimit limit(256); // the disk is "full" after 256 bytes
        error = GetParam().write(folder.path());
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.read(QString::fromLatin1(GetParam().file)), QByteArray(kOld));
    EXPECT_EQ(others(folder.path()), QStringList());
}

TEST_P(FailedWriteTest, InAReadOnlyProgramFolder)
{
    TempFolder folder;
    ReadOnlyFolder readOnly(folder.path());
    ASSERT_TRUE(readOnly.ready()) << "a read-only file system could not be mounted";
    folder.write(QString::fromLatin1(GetParam().file), kOld);
    readOnly.makeReadOnly();
    const QString error = GetParam().write(folder.path());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.read(QString::fromLatin1(GetParam().file)), QByteArray(kOld));
    EXPECT_EQ(others(folder.path()), QStringList());
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, FailedWriteTest, ::testing::ValuesIn(kWriters),
    [](const ::testing::TestParamInfo<WriterCase>& param) {
        std::string name = param.param.file;
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });
