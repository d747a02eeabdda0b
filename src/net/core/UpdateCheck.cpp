#include "net/core/UpdateCheck.h"

#include "base/FileIo.h"
#include "base/Numbers.h"
#include "base/Scrambling.h"
#include "base/TextCodec.h"
#include "platform/core/Transfer.h"
#include "state/Settings.h"

#include <QDir>

#include <utility>

namespace {

const QByteArray kAnnouncementKey = "OrvesaKt";

struct Step {
    const char* file;
    qint64 maxBytes;
};
// Download steps 1 to 4: the manifest line and settings position of each is its number.
const Step kSteps[5] = {{nullptr, 0}, {"battc.dll", UpdateCheck::kAnnouncementBytes},
    {"avtapit.dll", UpdateCheck::kListBytes}, {"atlr.dll", UpdateCheck::kListBytes},
    {"apcupm.dll", UpdateCheck::kListBytes}};

} // namespace

UpdateCheck::UpdateCheck(Parts parts, QObject* parent) : QObject(parent), m_parts(std::move(parts)) { }

UpdateCheck::~UpdateCheck() = default;

bool UpdateCheck::acceptsList(const QByteArray& bytes) { return bytes.left(5).contains('|'); }

bool UpdateCheck::acceptsAnnouncements(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return false;
    const char first = static_cast<char>(bytes[0] ^ kAnnouncementKey[0]);
    return first >= '0' && first <= '9';
}

QStringList UpdateCheck::announcementTable(const QByteArray& stored)
{
    if (stored.isEmpty())
        return {};
    const std::optional<QByteArray> clear = Scrambling::decrypt(kAnnouncementKey, stored);
    return clear ? TextCodec::decodeEightBit(*clear).split(QStringLiteral("\r\n")) : QStringList();
}

void UpdateCheck::run(bool force, std::function<void(const Result&)> done)
{
    if (m_running)
        return;
    m_running = true;
    m_force = force;
    m_result = {};
    m_manifest.clear();
    m_done = std::move(done);
    fetch(QStringLiteral("dot.dll"), kManifestBytes,
        [this](const QByteArray& bytes) { manifestArrived(TextCodec::decodeEightBit(bytes)); });
}

void UpdateCheck::abandon()
{
    if (m_running)
        finish();
}

// An error arrives as no bytes; so does the answer of a check that was abandoned meanwhile.
void UpdateCheck::fetch(const QString& file, qint64 maxBytes, std::function<void(const QByteArray&)> arrived)
{
    m_parts.transfer.fetch(m_parts.serverRoot.resolved(QUrl(file)), maxBytes,
        [this, generation = m_generation, arrived = std::move(arrived)](const Transfer::Result& r) {
            if (generation == m_generation && m_running)
                arrived(r.ok() ? r.bytes : QByteArray());
        });
}

std::optional<QStringList> UpdateCheck::parseManifest(const QString& text)
{
    if (text.isEmpty() || !text.left(10).toLower().contains(QStringLiteral("annou")))
        return std::nullopt;
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.size() < 5)
        return std::nullopt;
    return lines;
}

void UpdateCheck::manifestArrived(const QString& text)
{
    std::optional<QStringList> manifest = parseManifest(text);
    if (!manifest) {
        finish(); // nothing is fetched on the word of what is no manifest
        return;
    }
    m_manifest = std::move(*manifest);
    m_result.manifestRead = true;
    downloadStep(1);
}

// A step whose manifest line is missing ends the whole check there.
void UpdateCheck::downloadStep(int step)
{
    if (step > 4) {
        afterAnnouncements();
        return;
    }
    const QString stamp = m_manifest[step - 1].trimmed().toLower();
    if (m_parts.settings.line(step) == stamp && !m_force) {
        stepArrived(step, {});
        return;
    }
    fetch(QString::fromLatin1(kSteps[step].file), kSteps[step].maxBytes,
        [this, step](const QByteArray& bytes) { stepArrived(step, bytes); });
}

void UpdateCheck::stepArrived(int step, const QByteArray& bytes)
{
    const bool accepted = step == 1 ? acceptsAnnouncements(bytes) : acceptsList(bytes);
    if (!bytes.isEmpty() && accepted) {
        const QString path = QDir(m_parts.folder).filePath(QString::fromLatin1(kSteps[step].file));
        if (FileIo::writeFileAtomically(path, bytes).isEmpty()) {
            m_result.stored << QString::fromLatin1(kSteps[step].file);
            // The stamp only once its file is stored, so a failed download is tried again.
            if (m_parts.settings.setLine(step, m_manifest[step - 1].trimmed().toLower()))
                m_parts.saveSettings();
        }
    }
    if (step == 1) {
        const FileIo::ReadResult stored = FileIo::readWholeFile(QDir(m_parts.folder).filePath(QStringLiteral("battc.dll")), kAnnouncementBytes);
        m_result.announcements = stored.ok() ? announcementTable(stored.bytes) : QStringList();
        const std::optional<std::int16_t> count = m_result.announcements.isEmpty()
            ? std::nullopt
            : toInt16(m_result.announcements.first());
        if (!count) {
            finish(); // no announcements to read: the check ends before the lists
            return;
        }
        m_result.announcementCount = *count;
        const bool lists = m_force || m_parts.settings.lineEquals(Settings::UpdateChannels, QStringLiteral("updatechannel=1"));
        if (!lists) {
            afterAnnouncements();
            return;
        }
    }
    downloadStep(step + 1);
}

void UpdateCheck::afterAnnouncements()
{
    m_result.askAboutNewVersion = !m_force
        && m_parts.settings.lineEquals(Settings::TellNewVersion, QStringLiteral("tellnewversion=1"))
        && m_parts.settings.line(Settings::ProgramVersion) != m_manifest[4];
    finish();
}

void UpdateCheck::finish()
{
    m_running = false;
    ++m_generation;
    const Result result = m_result;
    if (const std::function<void(const Result&)> done = std::exchange(m_done, nullptr))
        done(result);
}
