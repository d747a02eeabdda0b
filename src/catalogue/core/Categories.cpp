#include "catalogue/core/Categories.h"

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
    const QString upper = category.toUpper();
    for (int i = 0; i < static_cast<int>(all().size()); ++i) {
        if (upper == QLatin1String(all()[static_cast<size_t>(i)].match))
            return i;
    }
    return -1;
}

} // namespace Categories
