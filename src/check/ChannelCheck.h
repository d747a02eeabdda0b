#pragma once

#include "check/core/ChannelHealth.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class CatalogueFace;
class MainWindow;
class ProgramFolder;
class Prober;
class QProgressDialog;

// Check Channels: asks every channel under a branch, or in the whole view, whether it
// answers, a few at a time in the background, behind a progress bar that can cancel; the
// tree marks those that do not, and the file `channelcheck` keeps the marks for the next
// start. The lists and the favorites file are never touched.
class ChannelCheck final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChannelCheck)
public:
    static constexpr int kAtOnce = 8;

    struct Parts {
        const ProgramFolder& folder;
        CatalogueFace& catalogue;
        MainWindow& window;
        Prober& prober;
        std::function<QDateTime()> clock;
    };

    explicit ChannelCheck(Parts parts);
    ~ChannelCheck() override;

    void checkSelection(); // the branch pop-up's Check Channels
    void checkView(); // Check Channels in This View
    void check(QVector<QByteArray> addresses);

    bool running() const { return !m_queue.isEmpty() || m_asking > 0; }
    QProgressDialog* progress() const;
    const ChannelHealth::Marks& marks() const { return m_marks; }
    // Why the marks file could not be read at start-up; while set, it is never rewritten.
    const QString& unreadable() const { return m_unreadable; }

Q_SIGNALS:
    void finished();

private:
    void askNext();
    void answered(const QByteArray& address, const Prober::Answer& answer);
    void cancel();
    void finish();
    void showMarks();
    QString path() const;

    Parts m_parts;
    ChannelHealth::Marks m_marks;
    QString m_unreadable;
    QVector<QByteArray> m_queue; // taken from the back
    int m_asking = 0;
    int m_total = 0;
    int m_done = 0;
    int m_round = 0; // numbers the checks, so that answers of a cancelled one are not taken in
    QPointer<QProgressDialog> m_progress;
};
