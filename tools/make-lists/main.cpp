// Writes the three channel list files from readable playlists, so nobody edits scrambled
// lists by hand. Usage:
//   vidorra-make-lists [--out DIR] [--kind tv|radio|store] [--country KEY] [--category WORD] PLAYLIST...
// Entries name their own kind, country and category with attributes; the options give
// the defaults for entries that do not (a playlist of one country's channels, say).
#include "base/FileIo.h"
#include "catalogue/core/ListFormat.h"
#include "make-lists/ListWriter.h"
#include "catalogue/core/M3uPlaylist.h"
#include "catalogue/core/PlaylistImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <cstdio>

namespace {

// Each kind's records, in the order they were read.
struct Lists {
    QVector<ChannelRecord> tv, radio, store;
};

void add(Lists& lists, const ChannelRecord& r)
{
    switch (r.kind) {
    case ChannelRecord::Tv:
        lists.tv.append(r);
        break;
    case ChannelRecord::Radio:
        lists.radio.append(r);
        break;
    case ChannelRecord::MovieStore:
        lists.store.append(r);
        break;
    default:
        break;
    }
}

QByteArray listBytes(const QVector<ChannelRecord>& records, QByteArray (*line)(const ChannelRecord&))
{
    QByteArray bytes;
    for (const ChannelRecord& record : records)
        bytes += line(record) + "\r\n";
    return bytes;
}

bool write(const QDir& out, const char* name, const QByteArray& bytes)
{
    const QString error = FileIo::writeFileAtomically(out.filePath(QString::fromLatin1(name)), bytes);
    if (!error.isEmpty())
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(error));
    return error.isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    QDir out(QStringLiteral("."));
    PlaylistImport::Defaults defaults;
    QStringList sources;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QStringLiteral("--out") && hasValue)
            out = QDir(args[++i]);
        else if (a == QStringLiteral("--kind") && hasValue) {
            const QString kind = args[++i];
            defaults.kind = kind == QStringLiteral("radio") ? ChannelRecord::Radio
                : kind == QStringLiteral("store")           ? ChannelRecord::MovieStore
                                                            : ChannelRecord::Tv;
        } else if (a == QStringLiteral("--country") && hasValue)
            defaults.country = args[++i];
        else if (a == QStringLiteral("--category") && hasValue)
            defaults.category = args[++i];
        else
            sources << a;
    }
    if (sources.isEmpty()) {
        std::fprintf(stderr,
            "usage: vidorra-make-lists [--out DIR] [--kind tv|radio|store] "
            "[--country KEY] [--category WORD] PLAYLIST...\n");
        return 2;
    }

    Lists lists;
    QSet<QString> seen;
    for (const QString& source : sources) {
        const FileIo::ReadResult read = FileIo::readWholeFile(source);
        if (!read.ok()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(read.error));
            return 1;
        }
        const M3uPlaylist playlist = M3uPlaylist::parse(read.bytes);
        for (const QString& problem : playlist.problems)
            std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(problem));
        for (const M3uEntry& entry : playlist.entries) {
            if (!PlaylistImport::isPlayableAddress(entry.url) || seen.contains(entry.url)) {
                std::fprintf(
                    stderr, "%s:%d: skipped %s\n", qPrintable(source), entry.line, qPrintable(entry.url));
                continue;
            }
            seen.insert(entry.url);
            add(lists, PlaylistImport::toRecord(entry, defaults));
        }
    }
    const bool ok = write(out, "avtapit.dll", listBytes(ListWriter::groupedByCountry(lists.tv), ListWriter::tvLine))
        && write(out, "atlr.dll", listBytes(ListWriter::groupedByCountry(lists.radio), ListWriter::radioLine))
        && write(out, "apcupm.dll", listBytes(lists.store, ListWriter::movieStoreLine));
    std::printf("%d TV channels, %d radio stations, %d movie-store entries\n", int(lists.tv.size()),
        int(lists.radio.size()), int(lists.store.size()));
    return ok ? 0 : 1;
}
