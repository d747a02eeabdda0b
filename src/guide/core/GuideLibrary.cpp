#include "guide/core/GuideLibrary.h"

#include "base/FileIo.h"
#include "base/StoredField.h"
#include "base/TextCodec.h"
#include "guide/core/XmltvReader.h"
#include "platform/core/Transfer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>
#include <thread>

namespace {

const QString kSourcesFile = QStringLiteral("guidesources");
const QString kIdsFile = QStringLiteral("guideids");
const QString kCopiesFolder = QStringLiteral("guides");

bool isWebAddress(const QUrl& url)
{
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty();
}

QStringList linesOf(const QByteArray& bytes)
{
    QStringList lines;
    for (const QString& line :
        TextCodec::decodeEightBit(bytes).split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines;
}

} // namespace

GuideLibrary::GuideLibrary(Parts parts)
    : m_parts(std::move(parts)),
      m_table(std::make_shared<GuideTable>()),
      m_alive(std::make_shared<std::atomic<bool>>(true))
{
}

GuideLibrary::~GuideLibrary() { *m_alive = false; }

QStringList GuideLibrary::sources() const
{
    QStringList all;
    if (isWebAddress(m_parts.vendorGuide))
        all.append(m_parts.vendorGuide.toString());
    for (const QString& source : m_added) {
        if (!all.contains(source))
            all.append(source);
    }
    return all;
}

QString GuideLibrary::keptCopyOf(const QString& source) const
{
    const QByteArray name
        = QCryptographicHash::hash(source.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    return QDir(m_parts.folder)
        .filePath(kCopiesFolder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".xmltv"));
}

void GuideLibrary::start()
{
    const FileIo::ReadResult sources
        = FileIo::readWholeFile(QDir(m_parts.folder).filePath(kSourcesFile), 1024 * 1024);
    if (sources.ok())
        m_added = linesOf(sources.bytes);
    const FileIo::ReadResult ids
        = FileIo::readWholeFile(QDir(m_parts.folder).filePath(kIdsFile), 16 * 1024 * 1024);
    if (ids.ok()) {
        for (const QByteArray& line : ids.bytes.split('\n')) {
            const qsizetype bar = line.indexOf('|');
            if (bar > 0)
                m_ids.insert(line.left(bar), StoredField::decodeText(line.mid(bar + 1).trimmed()));
        }
    }
    QDir(m_parts.folder).mkpath(kCopiesFolder);
    readKeptCopies();
    fetchStale(false);
}

void GuideLibrary::refreshAll() { fetchStale(true); }

void GuideLibrary::fetchStale(bool all)
{
    const QDateTime now = m_parts.clock();
    for (const QString& source : sources()) {
        const QFileInfo copy(keptCopyOf(source));
        if (all || !copy.exists() || copy.lastModified().secsTo(now) > kFreshForSeconds)
            fetch(source);
    }
}

void GuideLibrary::fetch(const QString& source)
{
    const QUrl url(source);
    if (isWebAddress(url)) {
        const QPointer<GuideLibrary> self(this);
        m_parts.transfer.fetch(url, kMostDownloaded, [self, source](const Transfer::Result& result) {
            if (self)
                self->checkAndKeep(source, [result] { return FileIo::ReadResult {result.bytes, result.error}; });
        });
        return;
    }
    const QString path = url.isLocalFile() ? url.toLocalFile() : source;
    checkAndKeep(source, [path] { return FileIo::readWholeFile(path, kMostDownloaded); });
}

// The guide is obtained and read on another thread; only one that read whole replaces the
// copy kept.
void GuideLibrary::checkAndKeep(const QString& source, std::function<FileIo::ReadResult()> obtain)
{
    const QString copy = keptCopyOf(source);
    inBackground([this, source, copy, obtain = std::move(obtain)]() -> std::function<void()> {
        const FileIo::ReadResult got = obtain();
        QString error = got.error;
        if (error.isEmpty() && XmltvReader::read(got.bytes, kMostUnpacked, &error))
            error = FileIo::writeFileAtomically(copy, got.bytes);
        return [this, source, error] {
            Q_EMIT fetched(source, error);
            if (error.isEmpty())
                readKeptCopies();
        };
    });
}

void GuideLibrary::readKeptCopies()
{
    QStringList copies;
    const QDir folder(QDir(m_parts.folder).filePath(kCopiesFolder));
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (FileIo::isWriteLeftover(name))
            QFile::remove(folder.filePath(name)); // a copy being written when the program was killed
    }
    for (const QString& source : sources()) {
        if (QFileInfo::exists(keptCopyOf(source)))
            copies.append(keptCopyOf(source));
    }
    const quint64 reading = ++m_readings;
    const std::shared_ptr<std::atomic<bool>> alive = m_alive;
    inBackground([this, copies, reading, alive]() -> std::function<void()> {
        auto merged = std::make_shared<GuideTable>();
        for (const QString& copy : copies) {
            if (std::optional<GuideTable> table
                = XmltvReader::readFile(copy, kMostUnpacked, nullptr, [alive] { return !*alive; }))
                merged->merge(*table);
        }
        merged->seal();
        return [this, merged, reading] {
            if (reading != m_readings)
                return; // a later reading is under way
            m_table = merged;
            Q_EMIT changed();
        };
    });
}

void GuideLibrary::inBackground(std::function<std::function<void()>()> work)
{
    const QPointer<GuideLibrary> self(this);
    const std::shared_ptr<std::atomic<bool>> alive = m_alive;
    std::thread([self, alive, work = std::move(work)] {
        if (!*alive)
            return;
        std::function<void()> then = work();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, then = std::move(then)] {
                if (self)
                    then();
            },
            Qt::QueuedConnection);
    }).detach();
}

QString GuideLibrary::normalSource(const QString& source)
{
    const QUrl url = QUrl::fromUserInput(source.trimmed(), QDir::currentPath(), QUrl::AssumeLocalFile);
    if (isWebAddress(url))
        return url.toString();
    if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
        return url.toLocalFile();
    return {};
}

bool GuideLibrary::addSource(const QString& source, QString* why)
{
    const QString trimmed = source.trimmed();
    const QString normal = normalSource(trimmed);
    if (normal.isEmpty()) {
        if (why)
            *why = QStringLiteral("\"%1\" is neither a web address nor a file.").arg(trimmed);
        return false;
    }
    if (sources().contains(normal)) {
        fetch(normal);
        return true;
    }
    if (!writeSources(m_added + QStringList {normal}, why))
        return false;
    m_added.append(normal);
    fetch(normal);
    return true;
}

bool GuideLibrary::writeSources(const QStringList& added, QString* why)
{
    QByteArray bytes;
    for (const QString& source : added)
        bytes += source.toUtf8() + "\r\n";
    const QString error = FileIo::writeFileAtomically(QDir(m_parts.folder).filePath(kSourcesFile), bytes);
    if (!error.isEmpty() && why)
        *why = error;
    return error.isEmpty();
}

void GuideLibrary::noteGuideIds(const QHash<QByteArray, QString>& ids)
{
    QHash<QByteArray, QString> next = m_ids;
    for (auto it = ids.cbegin(); it != ids.cend(); ++it) {
        if (!it.value().trimmed().isEmpty() && !StoredField::breaksALine(it.key()))
            next.insert(it.key(), it.value().trimmed());
    }
    if (next == m_ids)
        return;
    if (FileIo::writeFileAtomically(QDir(m_parts.folder).filePath(kIdsFile), idsToBytes(next)).isEmpty())
        m_ids = std::move(next);
}

QByteArray GuideLibrary::idsToBytes(const QHash<QByteArray, QString>& ids)
{
    QList<QByteArray> addresses = ids.keys();
    std::sort(addresses.begin(), addresses.end());
    QByteArray bytes;
    for (const QByteArray& address : std::as_const(addresses))
        bytes += address + '|' + StoredField::encodeText(ids.value(address)) + "\r\n";
    return bytes;
}
