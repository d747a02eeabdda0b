#pragma once

#include "base/StoredField.h"
#include "catalogue/core/CountryFlags.h"
#include "catalogue/core/ListFormat.h"
#include "make-lists/ListWriter.h"

#include <QByteArray>
#include <QString>

// The largest catalogue the program takes: 32,767 records over the three lists, with
// field lengths like the real lists and channels of many countries, grouped by country
// as list publishers write them.
struct MaximalCatalogue {
    QByteArray tv, radio, store;

    static MaximalCatalogue make(int tvCount = 24000, int radioCount = 8500, int storeCount = 267)
    {
        static const char* categories[] = {"News", "Sports", "Music", "Movies", "Business", "0", "Weather",
            "Children", "Religious", "Lifestyle", "Entertainment", "Shopping"};
        MaximalCatalogue c;
        const auto& flags = CountryFlags::all();
        for (int i = 0; i < tvCount; ++i) {
            ChannelRecord r;
            r.kind = ChannelRecord::Tv;
            r.country = QString::fromUtf8(flags[static_cast<size_t>((i / 100) % flags.size())].key);
            r.category = QString::fromLatin1(categories[i % 12]);
            r.name = QStringLiteral("Channel %1 Television Network").arg(i);
            r.op = static_cast<std::uint8_t>(i % 4);
            r.address = StoredField::encodeAddress(
                QStringLiteral("https://live-%1.streams.example.net/hls/live/%2/index.m3u8")
                    .arg(i % 97)
                    .arg(i));
            r.bandwidth = QStringLiteral("720p");
            r.info = QStringLiteral("News, weather and programmes from around the region, all day long");
            c.tv += ListWriter::tvLine(r) + "\r\n";
        }
        for (int i = 0; i < radioCount; ++i) {
            ChannelRecord r;
            r.kind = ChannelRecord::Radio;
            r.country
                = QString::fromUtf8(flags[static_cast<size_t>((i / 40) % flags.size())].key).remove(u' ');
            r.name = QStringLiteral("Radio Station %1 FM").arg(i);
            r.op = 1;
            r.info = QStringLiteral("Music and talk around the clock");
            r.address = StoredField::encodeAddress(
                QStringLiteral("http://radio%1.example.org:8000/stream.mp3").arg(i));
            c.radio += ListWriter::radioLine(r) + "\r\n";
        }
        for (int i = 0; i < storeCount; ++i) {
            ChannelRecord r;
            r.name = QStringLiteral("Store page %1").arg(i);
            r.address = "<html><body><a href=\"https://store.example.com/films\">Films</a></body></html>";
            c.store += ListWriter::movieStoreLine(r) + "\r\n";
        }
        return c;
    }
};
