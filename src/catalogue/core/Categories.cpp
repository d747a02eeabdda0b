#include "catalogue/core/Categories.h"

#include <algorithm>

namespace Categories {

const std::array<CategoryNode, 15>& all()
{
    static const std::array<CategoryNode, 15> nodes = {{
        {"Business", "BusinessNode", 7, "BUSINESS"},
        {"Children", "ChildrenNode", 23, "CHILDREN"},
        {"Educational", "EducationalNode", 9, "EDUCATIONAL"},
        {"Entertainment", "EntertainmentNode", 16, "ENTERTAINMENT"},
        {"Government", "GovernmentNode", 5, "GOVERNMENT"},
        {"Lifestyle", "LifestyleNode", 6, "LIFESTYLE"},
        {"Movies", "MoviesNode", 21, "MOVIES"},
        {"Music", "MusicNode", 17, "MUSIC"},
        {"News", "NewsNode", 8, "NEWS"},
        {"Religious", "ReligiousNode", 4, "RELIGIOUS"},
        {"Shopping", "ShoppingNode", 22, "SHOPPING"},
        {"Sports", "SportsNode", 10, "SPORTS"},
        {"Weather", "WeatherNode", 18, "WEATHER"},
        {"Webcam", "WebcamNode", 11, "WEBCAM"},
        {"Unkown", "UnknownNode", 24, "0"},
    }};
    return nodes;
}

int indexFor(const QString& category)
{
    for (int i = 0; i < static_cast<int>(all().size()); ++i) {
        if (upperCaseIs(category, QLatin1StringView(all()[static_cast<size_t>(i)].match)))
            return i;
    }
    return -1;
}

bool upperCaseIs(QStringView text, QLatin1StringView upper)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) // other scripts' upper case can differ in length, as for "ß"
        return text.toString().toUpper() == upper;
    if (text.size() != upper.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const char16_t asUpper = c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
        if (asUpper != static_cast<unsigned char>(upper[i].toLatin1()))
            return false;
    }
    return true;
}

} // namespace Categories
