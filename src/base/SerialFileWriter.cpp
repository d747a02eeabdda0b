#include "base/SerialFileWriter.h"

#include "base/FileIo.h"

SerialFileWriter::SerialFileWriter(QString path) : m_path(std::move(path)) { m_thread.setMaxThreadCount(1); }

SerialFileWriter::~SerialFileWriter() { wait(); }

void SerialFileWriter::write(QByteArray bytes)
{
    const quint64 generation = ++*m_newest;
    m_thread.start([path = m_path, bytes = std::move(bytes), generation, newest = m_newest, outcome = m_outcome] {
        if (generation != newest->load())
            return;
        const QString error = FileIo::writeFileAtomically(path, bytes);
        const QMutexLocker lock(&outcome->mutex);
        outcome->error = error;
    });
}

void SerialFileWriter::wait() { m_thread.waitForDone(); }

QString SerialFileWriter::lastError() const
{
    const QMutexLocker lock(&m_outcome->mutex);
    return m_outcome->error;
}
