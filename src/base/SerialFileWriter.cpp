#include "base/SerialFileWriter.h"

#include "base/FileIo.h"

SerialFileWriter::SerialFileWriter(QString path) : m_path(std::move(path)) { m_thread.setMaxThreadCount(1); }

SerialFileWriter::~SerialFileWriter() { wait(); }

void SerialFileWriter::write(QByteArray bytes)
{
    const quint64 generation = ++*m_newest;
    m_thread.start([path = m_path, bytes = std::move(bytes), generation, newest = m_newest] {
        if (generation == newest->load())
            FileIo::writeFileAtomically(path, bytes);
    });
}

void SerialFileWriter::wait() { m_thread.waitForDone(); }
