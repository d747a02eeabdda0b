#pragma once

#include "support/TempFolder.h"

#include <QStringList>

// A program folder in a temporary place, filled with what a test needs.
class ProgramFolderFixture : public TempFolder {
public:
    static QByteArray standardInf()
    {
        return "14\r\n0\r\n0\r\n0\r\n0\r\n1.0.0\r\nlanguage=english\r\nmru=10\r\naot=0\r\n"
               "updatechannel=0\r\nminimizeclose=0\r\nremindme=0\r\nbeforestartby=5\r\n"
               "remindmeevery=1\r\ntellnewversion=0\r\n";
    }

    // inf with the given lines replaced (index -> text).
    void writeInf(const QList<QPair<int, QString>>& changes = {}) const
    {
        QList<QByteArray> lines = standardInf().split('\n');
        for (const auto& [index, text] : changes)
            lines[index] = text.toUtf8() + '\r';
        write(QStringLiteral("inf"), lines.join('\n'));
    }

    // A language file whose text N is prefix + N, so tests can tell every text apart.
    void writeLanguage(const QString& name, const QString& prefix, int lines = 138, bool byteOrderMark = true,
        bool finalLineEnd = true) const
    {
        QStringList texts;
        for (int n = 0; n < lines; ++n)
            texts << prefix + QString::number(n);
        writeLanguageTexts(name, texts, byteOrderMark, finalLineEnd);
    }

    void writeLanguageTexts(const QString& name, const QStringList& texts, bool byteOrderMark = true,
        bool finalLineEnd = true) const
    {
        QString all
            = (byteOrderMark ? QStringLiteral("\uFEFF") : QString()) + texts.join(QStringLiteral("\r\n"));
        if (finalLineEnd)
            all += QStringLiteral("\r\n");
        QByteArray bytes;
        for (const QChar c : all) {
            bytes.append(static_cast<char>(c.unicode() & 0xFF));
            bytes.append(static_cast<char>(c.unicode() >> 8));
        }
        write(QStringLiteral("Language/") + name, bytes);
    }

    // A small catalogue: TV, radio and movie-store lists and the favorites.
    void writeLists(const QByteArray& tv = defaultTv(), const QByteArray& radio = defaultRadio(),
        const QByteArray& store = "|Films|<p>films</p>\r\n", const QByteArray& fav = {}) const
    {
        write(QStringLiteral("avtapit.dll"), tv);
        write(QStringLiteral("atlr.dll"), radio);
        write(QStringLiteral("apcupm.dll"), store);
        write(QStringLiteral("fav.fav"), fav);
    }
    static QByteArray defaultTv()
    {
        return "|USA|News|News One|1|||gssor9..mdvr-dw|0|Round the clock\r\n"
               "|USA-Texas|Sports|Texas Sports|1|||gssor9..roqsr-dw|720p|Games\r\n"
               "|Germany|news|Welle|1|||gssor9..vdkkd-dw|1080p|Nachrichten\r\n"
               "|Germany|0|Mystery|1|||gssor9..lxrsdqx-dw|0|0\r\n";
    }
    static QByteArray defaultRadio()
    {
        return "|Germany|Radio Eins|1|Talk|gssor9..qdhmr-dw\r\n"
               "|Germany|Radio Zwei|1|Pop|gssor9..yvdh-dw\r\n"
               "|France|Radio Trois|1|Jazz|gssor9..sqnhr-dw\r\n"
               "|Germany|Radio Vier|1|Rock|gssor9..uhdq-dw\r\n";
    }

    // The shipped English file, copied in.
    void copyShippedLanguage(const QString& name) const
    {
        QFile source(QStringLiteral(VIDORRA_DATA_DIR "/Language/") + name);
        if (source.open(QIODevice::ReadOnly))
            write(QStringLiteral("Language/") + name, source.readAll());
    }
};
