#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

// Inflates gzip (or zlib) data a piece at a time, handing on what comes out, and stops at
// a bound on the inflated size: a small file that would inflate without end is refused
// after `maxOutput` bytes, having never held more than a piece of it.
class Gunzip final {
public:
    using Sink = std::function<bool(QByteArrayView piece)>; // false stops the inflating

    Gunzip(qint64 maxOutput, Sink sink);
    ~Gunzip();
    Gunzip(const Gunzip&) = delete;
    Gunzip& operator=(const Gunzip&) = delete;

    // False, with error() set, when the data is not gzip, is damaged, inflates past the
    // bound, or the sink stopped.
    bool feed(QByteArrayView compressed);
    // False when the data ended before its last member was whole.
    bool finish();
    const QString& error() const { return m_error; }

    // Whether the bytes begin as gzip does.
    static bool looksCompressed(QByteArrayView bytes);

private:
    struct Stream;
    std::unique_ptr<Stream> m_stream;
    qint64 m_maxOutput;
    qint64 m_output = 0;
    Sink m_sink;
    QString m_error;
    bool m_memberOpen = false;
};
