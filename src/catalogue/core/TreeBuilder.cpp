#include "catalogue/core/TreeBuilder.h"

#include "catalogue/core/Catalogue.h"
#include "catalogue/core/Categories.h"
#include "catalogue/core/CountryFlags.h"
#include "catalogue/core/ItemKey.h"
#include "playback/core/NowPlaying.h"

namespace TreeBuilder {

namespace {

class Builder {
public:
    int add(const QString& key, const QString& text, int icon, int parent = -1)
    {
        m_layout.nodes.append({key, text, icon, {}, parent, {}});
        return static_cast<int>(m_layout.nodes.size() - 1);
    }

    int addItem(ItemKey item, const QString& text, int icon, int parent)
    {
        m_layout.nodes.append({{}, text, icon, {}, parent, item});
        return static_cast<int>(m_layout.nodes.size() - 1);
    }

    // A running group: a new country node whenever the country differs from the last one
    // seen in this branch.
    struct CountryGroup {
        int parent;
        int fallbackIcon;
        QString remembered; // upper case
        QString rememberedAsGiven; // the same country as the last record wrote it
        int current = -1;
    };

    int countryNode(CountryGroup& group, const QString& country, const QString& flagKey)
    {
        // Records of one country mostly follow one another written alike: no need to
        // compare them in upper case then.
        if (group.current >= 0 && country == group.rememberedAsGiven)
            return group.current;
        const QString upper = country.toUpper();
        if (group.current < 0 || upper != group.remembered) {
            group.current = add({}, country, group.fallbackIcon, group.parent);
            if (CountryFlags::indexOf(flagKey) >= 0)
                m_layout.nodes[group.current].flagKey = flagKey;
            group.remembered = upper;
        }
        group.rememberedAsGiven = country;
        return group.current;
    }

    TreeLayout take() { return std::move(m_layout); }
    TreeLayout& layout() { return m_layout; }

private:
    TreeLayout m_layout;
};

void buildChannels(Builder& b, int view, const Catalogue& catalogue)
{
    const int tvRoot = b.add(QStringLiteral("MainNodeTV"), QStringLiteral("TV Channels"), TvIcon);
    const int radioRoot = b.add(QStringLiteral("MainNodeRadio"), QStringLiteral("Radios"), RadioIcon);
    int categoryNodes[15] = {};
    if (view == ByCategory) {
        const auto& categories = Categories::all();
        for (size_t i = 0; i < categories.size(); ++i)
            categoryNodes[i] = b.add(QString::fromLatin1(categories[i].key),
                QString::fromLatin1(categories[i].text), categories[i].icon, tvRoot);
    }
    const int store = catalogue.movieStoreLoaded
        ? b.add(QStringLiteral("MoviesTvAmazon"), QStringLiteral("Live"), LiveIcon)
        : -1;

    Builder::CountryGroup tvCountries {tvRoot, TvIcon, {}, {}};
    Builder::CountryGroup radioCountries {radioRoot, RadioIcon, {}, {}};
    for (int i = 0; i < catalogue.channelCount(); ++i) {
        const ChannelRecord& r = catalogue.channels[i];
        switch (r.kind) {
        case ChannelRecord::Tv:
            if (view == ByCategory) {
                const int category = Categories::indexFor(r.category);
                if (category >= 0)
                    b.addItem(ItemKey::channel(i), r.name, ChannelIcon, categoryNodes[category]);
            } else {
                const bool usa
                    = Categories::upperCaseIs(QStringView(r.country).left(3), QLatin1StringView("USA"));
                const int parent
                    = b.countryNode(tvCountries, r.country, usa ? QStringLiteral("USA") : r.country);
                b.addItem(ItemKey::channel(i), r.name, ChannelIcon, parent);
            }
            break;
        case ChannelRecord::Radio:
            b.addItem(
                ItemKey::channel(i), r.name, RadioIcon, b.countryNode(radioCountries, r.country, r.country));
            break;
        case ChannelRecord::MovieStore:
            if (store >= 0)
                b.addItem(ItemKey::channel(i), r.name, MovieIcon, store);
            break;
        default:
            break;
        }
    }
}

void buildFavorites(Builder& b, const Catalogue& catalogue)
{
    const int root = b.add(QStringLiteral("MainNodeFavorite"), QStringLiteral("Favorite"), FavoriteIcon);
    const int tv = b.add(QStringLiteral("TvFavorite"), QStringLiteral("Tv"), TvIcon, root);
    const int radio = b.add(QStringLiteral("RadioFavorite"), QStringLiteral("Radio"), RadioIcon, root);
    const int computer
        = b.add(QStringLiteral("MyComputerFavorite"), QStringLiteral("My Computer"), ComputerIcon, root);
    for (int i = 0; i < catalogue.favoriteCount(); ++i) {
        const ChannelRecord& f = catalogue.favorites[i];
        const ItemKey key = ItemKey::favorite(i);
        if (f.kind == ChannelRecord::Tv)
            b.addItem(key, f.name, ChannelIcon, tv);
        else if (f.kind == ChannelRecord::Radio)
            b.addItem(key, f.name, RadioIcon, radio);
        else if (f.kind == ChannelRecord::ComputerFile)
            b.addItem(key, f.name, FileIcon, computer);
    }
}

void buildFiles(Builder& b, const LocalFileList& local)
{
    const int root = b.add(QStringLiteral("MainNodeFile"), QStringLiteral("My Computer"), ComputerIcon);
    if (local.last == 0)
        return;
    const int last = std::min<int>(local.last, static_cast<int>(local.files.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        const int node = b.addItem(ItemKey::localFile(i), fileNameOf(local.files[i]), FileIcon, root);
        if (local.listMode && i == local.playingIndex) {
            b.layout().selected = node;
            b.layout().selectedIcon = NowPlaying;
        }
    }
}

} // namespace

TreeLayout build(int view, const Catalogue& catalogue, const LocalFileList& localFiles)
{
    Builder builder;
    // One node a record at most, besides the few branch and country nodes.
    const qsizetype records = view == Favorites ? catalogue.favoriteCount()
        : view == MyComputer                    ? localFiles.files.size()
                                                : catalogue.channelCount();
    builder.layout().nodes.reserve(records + 64);
    switch (view) {
    case ByCategory:
    case ByCountry:
        buildChannels(builder, view, catalogue);
        break;
    case Favorites:
        buildFavorites(builder, catalogue);
        break;
    case MyComputer:
        buildFiles(builder, localFiles);
        break;
    default:
        break;
    }
    return builder.take();
}

QString fileNameOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
}

} // namespace TreeBuilder
