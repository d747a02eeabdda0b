#include "guide/core/Gunzip.h"

#include <zlib.h>

struct Gunzip::Stream {
    z_stream z {};
};

namespace {

constexpr int kPiece = 256 * 1024;
constexpr int kGzipOrZlib = 15 + 32; // the largest window, with the header detected

} // namespace

Gunzip::Gunzip(qint64 maxOutput, Sink sink)
    : m_stream(std::make_unique<Stream>()), m_maxOutput(maxOutput), m_sink(std::move(sink))
{
    if (inflateInit2(&m_stream->z, kGzipOrZlib) != Z_OK)
        m_error = QStringLiteral("the decompressor could not start");
}

Gunzip::~Gunzip() { inflateEnd(&m_stream->z); }

bool Gunzip::looksCompressed(QByteArrayView bytes)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f
        && static_cast<unsigned char>(bytes[1]) == 0x8b;
}

bool Gunzip::feed(QByteArrayView compressed)
{
    if (!m_error.isEmpty())
        return false;
    z_stream& z = m_stream->z;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    z.avail_in = static_cast<uInt>(compressed.size());
    QByteArray out(kPiece, Qt::Uninitialized);
    while (z.avail_in > 0) {
        m_memberOpen = true;
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = kPiece;
        const int status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
            m_error = QStringLiteral("the compressed data is damaged (%1)")
                          .arg(QString::fromLatin1(z.msg ? z.msg : "?"));
            return false;
        }
        const qsizetype produced = kPiece - z.avail_out;
        m_output += produced;
        if (m_output > m_maxOutput) {
            m_error = QStringLiteral("it unpacks to more than %1 MB").arg(m_maxOutput / (1024 * 1024));
            return false;
        }
        if (produced > 0 && !m_sink(QByteArrayView(out.constData(), produced))) {
            m_error = QStringLiteral("reading stopped");
            return false;
        }
        if (status == Z_STREAM_END) {
            m_memberOpen = false;
            inflateReset(&z); // another member may follow, as concatenated gzip files have
        } else if (status == Z_BUF_ERROR && produced == 0) {
            break;
        }
    }
    return true;
}

bool Gunzip::finish()
{
    if (!m_error.isEmpty())
        return false;
    if (m_memberOpen) {
        m_error = QStringLiteral("the compressed data ends too early");
        return false;
    }
    return true;
}
