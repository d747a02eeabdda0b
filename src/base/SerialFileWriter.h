#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

// Atomic whole-file writes of one file, done in order on a thread of their own so that a
// slow disk never holds up the caller. A write that a newer one has overtaken is skipped.
// The destructor waits, so nothing queued is lost when the program ends.
class SerialFileWriter final {
public:
    explicit SerialFileWriter(QString path);
    ~SerialFileWriter();
    SerialFileWriter(const SerialFileWriter&) = delete;
    SerialFileWriter& operator=(const SerialFileWriter&) = delete;

    void write(QByteArray bytes);
    // Returns once every queued write has been done.
    void wait();
    // Why the last write that was done failed; empty when it succeeded.
    QString lastError() const;

private:
    QString m_path;
    QThreadPool m_thread;
    std::shared_ptr<std::atomic<quint64>> m_newest = std::make_shared<std::atomic<quint64>>(0);
    struct Outcome {
        mutable QMutex mutex;
        QString error;
    };
    std::shared_ptr<Outcome> m_outcome = std::make_shared<Outcome>();
};
