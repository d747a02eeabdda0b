#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <cmath>

// Media files the tests make themselves.
namespace MediaFiles {

// A mono 16-bit WAV of a sine tone.
inline QString writeWav(const QString& path, int milliseconds, int hz = 440)
{
    const int rate = 8000;
    const int samples = rate * milliseconds / 1000;
    QByteArray data;
    data.reserve(samples * 2);
    for (int i = 0; i < samples; ++i) {
        const auto value = static_cast<qint16>(8000 * std::sin(2 * M_PI * hz * i / rate));
        data.append(static_cast<char>(value & 0xFF));
        data.append(static_cast<char>((value >> 8) & 0xFF));
    }
    const auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        return b;
    };
    const auto le16 = [](quint16 v) {
        QByteArray b(2, '\0');
        b[0] = static_cast<char>(v & 0xFF);
        b[1] = static_cast<char>(v >> 8);
        return b;
    };
    QByteArray wav = "RIFF" + le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(rate)
        + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(data.size()) + data;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(wav);
    return path;
}

// An HLS stream of a few seconds of tone in `folder` (index.m3u8 and its segments), made
// with ffmpeg; false where ffmpeg is not installed.
inline bool writeHls(const QString& folder, int seconds = 4)
{
    QDir().mkpath(folder);
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
        {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=frequency=440:duration=%1").arg(seconds), QStringLiteral("-c:a"),
            QStringLiteral("aac"), QStringLiteral("-f"), QStringLiteral("hls"), QStringLiteral("-hls_time"),
            QStringLiteral("1"), QStringLiteral("-hls_list_size"), QStringLiteral("0"),
            QDir(folder).filePath(QStringLiteral("index.m3u8"))});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

// A short video with a moving picture (and a tone, when asked), made with ffmpeg; empty
// where it cannot be made.
inline QString writeVideo(const QString& path, int seconds = 2, bool withSound = false,
    const QString& size = QStringLiteral("160x120"))
{
    const int rate = size == QStringLiteral("160x120") ? 10 : 25;
    QStringList arguments = {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
        QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
        QStringLiteral("testsrc=size=%1:rate=%2:duration=%3").arg(size).arg(rate).arg(seconds)};
    if (withSound)
        arguments << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
                  << QStringLiteral("sine=frequency=440:duration=%1").arg(seconds) << QStringLiteral("-shortest");
    // The index first, so that a server without range requests can stream it.
    arguments << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    if (path.endsWith(QStringLiteral(".mp4")))
        arguments << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    arguments << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 ? path : QString();
}

// A few seconds of a tone as MP3, the usual sound of internet radio; empty where it
// cannot be made.
inline QString writeMp3(const QString& path, int seconds = 4)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
        {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=%1").arg(seconds),
            QStringLiteral("-b:a"), QStringLiteral("64k"), path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 ? path : QString();
}

} // namespace MediaFiles
