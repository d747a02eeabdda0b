// A process that rewrites one of the program's files again and again through the program's
// own code, alternating between two contents, until it is killed. The kill tests start it,
// kill it at a random moment and check what the file holds.
//   write_victim FOLDER inf|fav|mruf|schedule|list|marks|guideids
#include "base/FileIo.h"
#include "base/SerialFileWriter.h"
#include "catalogue/core/Catalogue.h"
#include "catalogue/core/ListFormat.h"
#include "check/core/ChannelHealth.h"
#include "favorites/core/FavoritesStore.h"
#include "guide/core/GuideLibrary.h"
#include "platform/core/HttpTransfer.h"
#include "schedule/core/ScheduleStore.h"
#include "state/Settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include <cstdio>

namespace {

// Says the writes begin, once whatever came before them is done.
void writing()
{
    std::puts("writing");
    std::fflush(stdout);
}

[[noreturn]] void rewriteSettings(const QString& path)
{
    Settings settings = Settings::load(path);
    writing();
    for (int n = 0;; ++n) {
        settings.setLine(Settings::ProgramVersion, n % 2 ? QStringLiteral("2.0.0") : QStringLiteral("1.0.0"));
        settings.save(path);
    }
}

[[noreturn]] void rewriteFavorites(const QString& path)
{
    Catalogue catalogue;
    const FileIo::ReadResult read = FileIo::readWholeFile(path);
    catalogue.favorites = ListFormat::read(ListFormat::Kind::Favorites, read.bytes).records;
    FavoritesStore store(catalogue, path);
    ChannelRecord extra;
    extra.kind = ChannelRecord::Tv;
    extra.name = QStringLiteral("Killed mid-write");
    extra.op = 1;
    extra.address = QByteArray("gssor9..jhkkdc-dw");
    writing();
    for (;;) {
        store.addChannel(extra);
        store.removeAddress(extra.address);
    }
}

[[noreturn]] void rewriteRecentFiles(const QString& path, const QByteArray& a, const QByteArray& b)
{
    SerialFileWriter writer(path);
    writing();
    for (int n = 0;; ++n) {
        writer.write(n % 2 ? b : a);
        writer.wait();
    }
}

[[noreturn]] void rewriteSchedule(const QString& path)
{
    ScheduleStore store(path);
    store.load(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
    const ScheduledProgram extra {
        QStringLiteral("Killed mid-write"), QStringLiteral("News"), 46400.5, "gssor9..a-dw"};
    writing();
    for (;;) {
        store.add(extra);
        store.remove(store.count() - 1);
    }
}

[[noreturn]] void rewriteList(const QString& path, const QByteArray& a, const QByteArray& b)
{
    writing();
    for (int n = 0;; ++n)
        FileIo::writeFileAtomically(path, n % 2 ? b : a);
}

// As a channel check ends: one channel more marked, then answering again.
[[noreturn]] void rewriteMarks(const QString& path)
{
    ChannelHealth::Marks marks = ChannelHealth::Marks::fromBytes(FileIo::readWholeFile(path).bytes);
    const QDateTime monday(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
    writing();
    for (int n = 0;; ++n) {
        marks.record("gssor9..jhkkdc-dw",
            n % 2 ? ChannelHealth::Verdict::Answers : ChannelHealth::Verdict::Silent, {}, monday);
        FileIo::writeFileAtomically(path, marks.toBytes());
    }
}

// As a playlist import notes a channel's guide id, the id changing each time.
[[noreturn]] void rewriteGuideIds(const QString& folder)
{
    HttpTransfer transfer;
    GuideLibrary library({folder, transfer, QUrl(), [] { return QDateTime::currentDateTime(); }});
    library.start();
    writing();
    for (int n = 0;; ++n)
        library.noteGuideIds(
            {{"gssor9..jhkkdc-dw", n % 2 ? QStringLiteral("b.example") : QStringLiteral("a.example")}});
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QByteArray kind = argv[2];
    // The two contents of the files written whole are in the folder, made by the test.
    const auto content = [&folder](const char* name) {
        return FileIo::readWholeFile(folder.filePath(QString::fromLatin1(name))).bytes;
    };
    if (kind == "inf")
        rewriteSettings(folder.filePath(QStringLiteral("inf")));
    if (kind == "fav")
        rewriteFavorites(folder.filePath(QStringLiteral("fav.fav")));
    if (kind == "mruf")
        rewriteRecentFiles(
            folder.filePath(QStringLiteral("mruf")), content("content-a"), content("content-b"));
    if (kind == "schedule")
        rewriteSchedule(folder.filePath(QStringLiteral("scheduledprograms")));
    if (kind == "marks")
        rewriteMarks(folder.filePath(QStringLiteral("channelcheck")));
    if (kind == "guideids")
        rewriteGuideIds(folder.path());
    if (kind == "list")
        rewriteList(
            folder.filePath(QStringLiteral("avtapit.dll")), content("content-a"), content("content-b"));
    return 2;
}
