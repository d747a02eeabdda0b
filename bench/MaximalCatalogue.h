#pragma once

#include "base/StoredField.h"
#include "catalogue/core/CountryFlags.h"
#include "catalogue/core/ListFormat.h"
#include "make-lists/ListWriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <random>

// The largest catalogue the program takes: 32,767 records over the three lists, made
// like real lists: names, countries, categories and texts vary from line to line (in
// Latin, Cyrillic, Arabic and Japanese script), each country holds a run of channels of
// its own length, and field lengths spread as in published lists. The same seed gives the
// same lists, so runs compare.
struct MaximalCatalogue {
    QByteArray tv, radio, store;

    static MaximalCatalogue make(int tvCount = 24000, int radioCount = 8500, int storeCount = 267)
    {
        Maker maker;
        MaximalCatalogue c;
        maker.forEachCountryRun(tvCount, 1, 80, [&](const QString& country, int i) {
            ChannelRecord r;
            r.kind = ChannelRecord::Tv;
            r.country = country;
            r.category = maker.pick(categories());
            r.name = maker.name(i);
            r.op = static_cast<std::uint8_t>(maker.below(4));
            r.address = StoredField::encodeAddress(maker.address(i, true));
            r.bandwidth = maker.pick(bandwidths());
            r.info = maker.sentence(3, 18);
            c.tv += ListWriter::tvLine(r) + "\r\n";
        });
        maker.forEachCountryRun(radioCount, 1, 40, [&](const QString& country, int i) {
            ChannelRecord r;
            r.kind = ChannelRecord::Radio;
            r.country = QString(country).remove(u' ');
            r.name = maker.name(i);
            r.op = static_cast<std::uint8_t>(maker.below(4));
            r.info = maker.sentence(1, 8);
            r.address = StoredField::encodeAddress(maker.address(i, false));
            c.radio += ListWriter::radioLine(r) + "\r\n";
        });
        for (int i = 0; i < storeCount; ++i) {
            ChannelRecord r;
            r.name = maker.name(i);
            r.address = "<html><body><a href=\"https://store.example.com/films/" + QByteArray::number(i)
                + "\">" + maker.sentence(1, 4).toUtf8() + "</a></body></html>";
            c.store += ListWriter::movieStoreLine(r) + "\r\n";
        }
        return c;
    }

private:
    static const QStringList& categories()
    {
        static const QStringList list
            = {QStringLiteral("News"), QStringLiteral("Sports"), QStringLiteral("Music"),
                QStringLiteral("Movies"), QStringLiteral("Business"), QStringLiteral("0"),
                QStringLiteral("Weather"), QStringLiteral("Children"), QStringLiteral("Religious"),
                QStringLiteral("Lifestyle"), QStringLiteral("Entertainment"), QStringLiteral("Shopping"),
                QStringLiteral("Educational"), QStringLiteral("Government"), QStringLiteral("Webcam")};
        return list;
    }
    static const QStringList& bandwidths()
    {
        static const QStringList list = {QStringLiteral("0"), QStringLiteral("300k"), QStringLiteral("512k"),
            QStringLiteral("720p"), QStringLiteral("1080p"), QStringLiteral("2 Mbit/s"), QString()};
        return list;
    }

    class Maker {
    public:
        int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
        const QString& pick(const QStringList& list) { return list[below(static_cast<int>(list.size()))]; }

        template <typename Each> void forEachCountryRun(int count, int shortest, int longest, Each each)
        {
            const auto& flags = CountryFlags::all();
            for (int i = 0; i < count;) {
                const QString country = QString::fromUtf8(
                    flags[static_cast<size_t>(below(static_cast<int>(flags.size())))].key);
                const int run = shortest + below(longest - shortest + 1);
                for (int k = 0; k < run && i < count; ++k, ++i)
                    each(country, i);
            }
        }

        QString name(int i)
        {
            QString text = sentence(1, 4);
            if (below(3) == 0)
                text += QStringLiteral(" %1").arg(i % 1000);
            return text;
        }

        QString sentence(int fewest, int most)
        {
            static const QStringList words = {QStringLiteral("Radio"), QStringLiteral("Channel"),
                QStringLiteral("News"), QStringLiteral("Music"), QStringLiteral("Sport"),
                QStringLiteral("Kultur"), QStringLiteral("Télévision"), QStringLiteral("Müzik"),
                QStringLiteral("Rádio"), QStringLiteral("Jazz"), QStringLiteral("Classic"),
                QStringLiteral("Regional"), QStringLiteral("Info"), QStringLiteral("World"),
                QString::fromUtf8("Радио"), QString::fromUtf8("Новости"), QString::fromUtf8("Россия"),
                QString::fromUtf8("إذاعة"), QString::fromUtf8("القرآن"), QString::fromUtf8("أخبار"),
                QString::fromUtf8("テレビ"), QString::fromUtf8("ニュース"), QString::fromUtf8("放送"),
                QStringLiteral("FM"), QStringLiteral("HD"), QStringLiteral("Live"), QStringLiteral("24/7")};
            const int count = fewest + below(most - fewest + 1);
            QStringList chosen;
            for (int k = 0; k < count; ++k)
                chosen << pick(words);
            return chosen.join(u' ');
        }

        QString address(int i, bool tv)
        {
            return tv ? QStringLiteral("https://live-%1.cdn%2.example.net/hls/%3/index.m3u8")
                            .arg(below(500))
                            .arg(below(40))
                            .arg(i)
                      : QStringLiteral("http://stream%1.example.org:%2/%3.mp3")
                            .arg(below(900))
                            .arg(8000 + below(100))
                            .arg(i);
        }

    private:
        std::mt19937 m_random {20261207};
    };
};
