#include "catalogue/TreeIcons.h"

#include "catalogue/core/CountryFlags.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

struct IconDesign {
    const char* themeName; // freedesktop icon name, empty for none
    QRgb colour;
    const char* glyph; // drawn on a coloured disc when the theme has no icon
};

// Positions 1 to 29. Unused positions (12 to 15) keep a neutral picture.
const IconDesign kDesigns[TreeIcons::kCount] = {
    {"video-display", 0xff2b6cc4, "TV"}, // 1 TV channels
    {"audio-x-generic", 0xff2e8b57, "\u266B"}, // 2 radio
    {"emblem-favorite", 0xffe0a800, "\u2605"}, // 3 favorites
    {"", 0xff7b5ea7, "\u271D"}, // 4 religious
    {"", 0xff5a6b7b, "\u2696"}, // 5 government
    {"", 0xffd2691e, "\u2615"}, // 6 lifestyle
    {"", 0xff3c7d3c, "$"}, // 7 business
    {"", 0xffb22222, "N"}, // 8 news
    {"", 0xff1e6fa8, "\u270E"}, // 9 educational
    {"", 0xff228b22, "\u26BD"}, // 10 sports
    {"camera-web", 0xff555555, "\u25C9"}, // 11 webcam
    {"", 0xff888888, "\u2022"}, // 12
    {"", 0xff888888, "\u2022"}, // 13
    {"", 0xff888888, "\u2022"}, // 14
    {"", 0xff888888, "\u2022"}, // 15
    {"", 0xffc71585, "\u263A"}, // 16 entertainment
    {"media-playback-start", 0xffff8c00, "\u25B6"}, // 17 music, and a radio that plays
    {"", 0xff4682b4, "\u2600"}, // 18 weather
    {"media-playback-start", 0xffff4500, "\u25B6"}, // 19 movie store, and what else plays
    {"video-x-generic", 0xff2b6cc4, "\u25A3"}, // 20 TV channel
    {"", 0xff8b0000, "\u2707"}, // 21 movies
    {"", 0xff008b8b, "\u2302"}, // 22 shopping
    {"", 0xffff69b4, "\u263A"}, // 23 children
    {"", 0xff808080, "?"}, // 24 unknown
    {"computer", 0xff4b5563, "\u2318"}, // 25 my computer
    {"text-x-generic", 0xff6b7280, "\u2261"}, // 26 file
    {"", 0xffff4500, "\u25CF"}, // 27 live
    {"", 0xff16a34a, "\u266A"}, // 28 the item playing now: a mark of its own
    {"", 0xff9ca3af, "\u2715"}, // 29 a channel that did not answer its last check
};

QPixmap drawDisc(int size, QRgb colour, const QString& glyph)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(colour));
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size * 0.25, size * 0.25);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(glyph.size() > 1 ? size * 5 / 11 : size * 3 / 4);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
    return pixmap;
}

QIcon drawnIcon(const IconDesign& design)
{
    QIcon drawn;
    for (int size : {16, 24, 32})
        drawn.addPixmap(drawDisc(size, design.colour, QString::fromUtf8(design.glyph)));
    return drawn;
}

// The theme's icon where it has one; the discs, and the fonts their glyphs need, are then
// never drawn.
QIcon makeIcon(const IconDesign& design)
{
    if (*design.themeName) {
        QIcon themed = QIcon::fromTheme(QString::fromLatin1(design.themeName));
        if (!themed.isNull() && !themed.availableSizes().isEmpty())
            return themed;
    }
    return drawnIcon(design);
}

} // namespace

TreeIcons::TreeIcons(QString flagFolder) : m_flagFolder(std::move(flagFolder)), m_icons(kCount) { }

QString TreeIcons::defaultFlagFolder() { return QStringLiteral("/usr/share/flags/countries/16x11"); }

QIcon TreeIcons::icon(int position) const
{
    if (position < 1 || position > kCount)
        return {};
    QIcon& slot = m_icons[position - 1];
    if (slot.isNull())
        slot = makeIcon(kDesigns[position - 1]);
    return slot;
}

QIcon TreeIcons::flag(const QString& countryKey) const
{
    const auto cached = m_flags.constFind(countryKey);
    if (cached != m_flags.constEnd())
        return *cached;
    QIcon flagIcon;
    const int index = CountryFlags::indexOf(countryKey);
    if (index >= 0) {
        const QString code = QString::fromLatin1(CountryFlags::all()[static_cast<size_t>(index)].isoCode);
        const QString path = QDir(m_flagFolder).filePath(code + QStringLiteral(".png"));
        if (!code.isEmpty() && QFileInfo::exists(path))
            flagIcon = QIcon(path);
    }
    m_flags.insert(countryKey, flagIcon);
    return flagIcon;
}
