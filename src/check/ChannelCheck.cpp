#include "check/ChannelCheck.h"

#include "base/FileIo.h"
#include "base/StoredField.h"
#include "catalogue/CatalogueFace.h"
#include "platform/core/Prober.h"
#include "state/ProgramFolder.h"
#include "ui/MainWindow.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <QSet>

#include <algorithm>

namespace {

constexpr qint64 kLargestMarksFile = 16 * 1024 * 1024;
constexpr int kShowMarksEvery = 200; // answers between two updates of the tree

} // namespace

ChannelCheck::ChannelCheck(Parts parts) : m_parts(std::move(parts))
{
    if (QFileInfo::exists(path())) {
        const FileIo::ReadResult read = FileIo::readWholeFile(path(), kLargestMarksFile);
        if (read.ok())
            m_marks = ChannelHealth::Marks::fromBytes(read.bytes);
        else
            m_unreadable = read.error;
    }
    showMarks();
}

ChannelCheck::~ChannelCheck()
{
    ++m_round;
    m_parts.prober.cancelAll();
    delete m_progress;
}

QString ChannelCheck::path() const { return m_parts.folder.file(QStringLiteral("channelcheck")); }

QProgressDialog* ChannelCheck::progress() const { return m_progress; }

void ChannelCheck::checkSelection() { check(m_parts.catalogue.addressesUnderSelection()); }

void ChannelCheck::checkView() { check(m_parts.catalogue.addressesInView()); }

void ChannelCheck::check(QVector<QByteArray> addresses)
{
    if (running())
        return;
    // Each channel once, however many views or favorites name it.
    QSet<QByteArray> seen;
    m_queue.clear();
    for (QByteArray& address : addresses) {
        if (!seen.contains(address)) {
            seen.insert(address);
            m_queue.append(std::move(address));
        }
    }
    std::reverse(m_queue.begin(), m_queue.end()); // asked in the tree's order
    m_total = static_cast<int>(m_queue.size());
    m_done = 0;
    if (!m_progress) {
        m_progress = new QProgressDialog(&m_parts.window);
        m_progress->setObjectName(QStringLiteral("ChannelCheckProgress"));
        m_progress->setWindowTitle(QStringLiteral("Check Channels"));
        m_progress->setWindowModality(Qt::NonModal); // the user goes on browsing and playing
        m_progress->setMinimumDuration(0);
        m_progress->setAutoReset(false);
        m_progress->setAutoClose(false);
        connect(m_progress, &QProgressDialog::canceled, this, &ChannelCheck::cancel);
    }
    m_progress->setRange(0, std::max(m_total, 1));
    m_progress->setValue(0);
    m_progress->setLabelText(QStringLiteral("Checking %1 channels...").arg(m_total));
    m_progress->show();
    if (m_queue.isEmpty()) {
        finish();
        return;
    }
    for (int i = 0; i < kAtOnce; ++i)
        askNext();
}

void ChannelCheck::askNext()
{
    if (m_queue.isEmpty())
        return;
    const QByteArray address = m_queue.takeLast();
    ++m_asking;
    const int round = m_round;
    const QPointer<ChannelCheck> self(this); // the prober may answer after this check is gone
    m_parts.prober.probe(
        QUrl(StoredField::decodeAddress(address)), [self, address, round](const Prober::Answer& answer) {
            if (!self || round != self->m_round)
                return;
            --self->m_asking;
            self->answered(address, answer);
        });
}

void ChannelCheck::answered(const QByteArray& address, const Prober::Answer& answer)
{
    const QString scheme = QUrl(StoredField::decodeAddress(address)).scheme().toLower();
    if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https")) // others cannot be asked
        m_marks.record(address, ChannelHealth::judge(answer), answer, m_parts.clock());
    ++m_done;
    if (m_progress)
        m_progress->setValue(m_done);
    if (m_done % kShowMarksEvery == 0)
        showMarks();
    if (!m_queue.isEmpty())
        askNext();
    else if (m_asking == 0)
        finish();
}

void ChannelCheck::cancel()
{
    ++m_round;
    m_queue.clear();
    m_asking = 0;
    m_parts.prober.cancelAll();
    finish();
}

// What was found so far is kept, also after a cancel.
void ChannelCheck::finish()
{
    if (m_progress)
        m_progress->hide();
    if (m_unreadable.isEmpty())
        FileIo::writeFileAtomically(path(), m_marks.toBytes()); // a failure keeps the file as it was
    showMarks();
    Q_EMIT finished();
}

void ChannelCheck::showMarks()
{
    QHash<QByteArray, QString> toolTips;
    toolTips.reserve(m_marks.all().size());
    for (auto mark = m_marks.all().cbegin(); mark != m_marks.all().cend(); ++mark)
        toolTips.insert(mark.key(), ChannelHealth::describe(mark.value()));
    m_parts.catalogue.setSilentChannels(std::move(toolTips));
}
