#include "catalogue/core/Catalogue.h"
#include "catalogue/core/Categories.h"
#include "catalogue/core/ItemKey.h"
#include "catalogue/core/TreeBuilder.h"
#include "playback/core/NowPlaying.h"

#include <gtest/gtest.h>

namespace {

ChannelRecord tv(const char* country, const char* category, const char* name)
{
    ChannelRecord r;
    r.kind = ChannelRecord::Tv;
    r.country = QString::fromUtf8(country);
    r.category = QString::fromUtf8(category);
    r.name = QString::fromUtf8(name);
    return r;
}

ChannelRecord radio(const char* country, const char* name)
{
    ChannelRecord r = tv(country, "", name);
    r.kind = ChannelRecord::Radio;
    r.category.clear();
    return r;
}

const TreeNode* find(const TreeLayout& layout, const QString& key)
{
    for (const TreeNode& node : layout.nodes) {
        if (node.key() == key)
            return &node;
    }
    return nullptr;
}

QStringList childrenTexts(const TreeLayout& layout, const QString& parentKey)
{
    QStringList texts;
    for (const TreeNode& node : layout.nodes) {
        if (node.parent >= 0 && layout.nodes[node.parent].key() == parentKey)
            texts << node.text;
    }
    return texts;
}

QString parentKeyOf(const TreeLayout& layout, const QString& key)
{
    const TreeNode* node = find(layout, key);
    return node && node->parent >= 0 ? layout.nodes[node->parent].key() : QString();
}

} // namespace

TEST(TreeByCategory, CategoriesMatchWhateverTheirCase)
{
    Catalogue c;
    c.channels
        = {tv("USA", "news", "A"), tv("USA", "0", "B"), tv("USA", "Cooking", "C"), tv("USA", "SPORTS", "D")};
    const TreeLayout layout = TreeBuilder::build(TreeBuilder::ByCategory, c, {});
    EXPECT_EQ(parentKeyOf(layout, QStringLiteral("C0")), QStringLiteral("NewsNode"));
    EXPECT_EQ(parentKeyOf(layout, QStringLiteral("C1")), QStringLiteral("UnknownNode"));
    EXPECT_EQ(find(layout, QStringLiteral("C2")), nullptr);
    EXPECT_EQ(parentKeyOf(layout, QStringLiteral("C3")), QStringLiteral("SportsNode"));
    EXPECT_EQ(layout.nodes[2].key(), QStringLiteral("BusinessNode")); // the third node of the tree
    EXPECT_EQ(layout.nodes[16].text, QStringLiteral("Unkown"));
    EXPECT_EQ(find(layout, QStringLiteral("MoviesTvAmazon")), nullptr);

    const TreeLayout byCountry = TreeBuilder::build(TreeBuilder::ByCountry, c, {});
    EXPECT_NE(find(byCountry, QStringLiteral("C2")), nullptr); // by country it shows
}

TEST(TreeByCategory, CategoriesOutsideAsciiMatchAsTheirUpperCaseDoes)
{
    Catalogue c;
    // "ı" (dotless i) upper-cases to "I"; "ß" to "SS"; a Cyrillic "е" stays a letter of its own.
    c.channels = {tv("USA", "Busıness", "A"), tv("USA", "BUßINESS", "B"), tv("USA", "Nеws", "C"),
        tv("USA", "newss", "D"), tv("USA", "", "E")};
    const TreeLayout layout = TreeBuilder::build(TreeBuilder::ByCategory, c, {});
    EXPECT_EQ(parentKeyOf(layout, QStringLiteral("C0")), QStringLiteral("BusinessNode"));
    EXPECT_EQ(find(layout, QStringLiteral("C1")), nullptr); // "BUSSINESS"
    EXPECT_EQ(find(layout, QStringLiteral("C2")), nullptr);
    EXPECT_EQ(find(layout, QStringLiteral("C3")), nullptr);
    EXPECT_EQ(find(layout, QStringLiteral("C4")), nullptr);
}

TEST(TreeByCategory, TheUpperCaseTestAgreesWithToUpper)
{
    const char* const words[] = {"news", "NEWS", "NeWs", "new", "newsy", "", "ß", "ss", "SS", "straße",
        "STRASSE", "ıi", "II", "usa-texas", "Usa", "US", "ÿ", "0", "news\u00a0", "\U0001F600"};
    const char* const uppers[] = {"NEWS", "SS", "STRASSE", "II", "USA", "0"};
    for (const char* word : words) {
        const QString text = QString::fromUtf8(word);
        for (const char* upper : uppers) {
            const QString expected = QString::fromLatin1(upper);
            EXPECT_EQ(Categories::upperCaseIs(text, QLatin1StringView(upper)), text.toUpper() == expected)
                << word << " / " << upper;
        }
    }
}

TEST(TreeCountries, AdjacentRecordsShareARunningCountryNode)
{
    Catalogue c;
    c.channels = {radio("Germany", "A"), radio("Germany", "B"), radio("France", "C"), radio("Germany", "D")};
    const TreeLayout layout = TreeBuilder::build(TreeBuilder::ByCategory, c, {});
    EXPECT_EQ(childrenTexts(layout, QStringLiteral("MainNodeRadio")),
        (QStringList {QStringLiteral("Germany"), QStringLiteral("France"), QStringLiteral("Germany")}));
}

TEST(TreeCountries, TvAndRadioKeepSeparateGroups)
{
    Catalogue c;
    c.channels = {tv("France", "News", "T"), radio("France", "R")};
    const TreeLayout layout = TreeBuilder::build(TreeBuilder::ByCountry, c, {});
    EXPECT_EQ(childrenTexts(layout, QStringLiteral("MainNodeTV")), QStringList {QStringLiteral("France")});
    EXPECT_EQ(childrenTexts(layout, QStringLiteral("MainNodeRadio")), QStringList {QStringLiteral("France")});
    const TreeNode* radioNode = find(layout, QStringLiteral("C1"));
    ASSERT_NE(radioNode, nullptr);
    EXPECT_EQ(layout.nodes[layout.nodes[radioNode->parent].parent].key(), QStringLiteral("MainNodeRadio"));
}

TEST(TreeCountries, UsaWithAStateShowsTheUsaFlagOnTvOnly)
{
    Catalogue c;
    c.channels = {tv("USA-Texas", "News", "T"), radio("USA-Texas", "R"), tv("Atlantis", "News", "X")};
    const TreeLayout layout = TreeBuilder::build(TreeBuilder::ByCountry, c, {});
    const TreeNode& tvCountry = layout.nodes[find(layout, QStringLiteral("C0"))->parent];
    EXPECT_EQ(tvCountry.text, QStringLiteral("USA-Texas"));
    EXPECT_EQ(tvCountry.flagKey, QStringLiteral("USA"));
    const TreeNode& radioCountry = layout.nodes[find(layout, QStringLiteral("C1"))->parent];
    EXPECT_TRUE(radioCountry.flagKey.isEmpty());
    EXPECT_EQ(radioCountry.icon, TreeBuilder::RadioIcon);
    const TreeNode& unknown = layout.nodes[find(layout, QStringLiteral("C2"))->parent];
    EXPECT_TRUE(unknown.flagKey.isEmpty());
    EXPECT_EQ(unknown.icon, TreeBuilder::TvIcon);
}

TEST(TreeViews, FavoritesSortIntoTheirThreeBranches)
{
    Catalogue c;
    ChannelRecord file = tv("", "", "clip.mp4");
    file.kind = ChannelRecord::ComputerFile;
    c.favorites = {tv("USA", "News", "T"), radio("USA", "R"), file};
    const TreeLayout layout = TreeBuilder::build(TreeBuilder::Favorites, c, {});
    EXPECT_EQ(parentKeyOf(layout, QStringLiteral("F0")), QStringLiteral("TvFavorite"));
    EXPECT_EQ(parentKeyOf(layout, QStringLiteral("F1")), QStringLiteral("RadioFavorite"));
    EXPECT_EQ(parentKeyOf(layout, QStringLiteral("F2")), QStringLiteral("MyComputerFavorite"));
    EXPECT_EQ(find(layout, QStringLiteral("F2"))->icon, TreeBuilder::FileIcon);
}

TEST(TreeViews, MyComputerListsFilesByName)
{
    LocalFileList files {{QStringLiteral("/media/a.mp3"), QStringLiteral("C:\\music\\b.wav")}, 1, true, 1};
    const TreeLayout layout = TreeBuilder::build(TreeBuilder::MyComputer, {}, files);
    EXPECT_EQ(childrenTexts(layout, QStringLiteral("MainNodeFile")),
        (QStringList {QStringLiteral("a.mp3"), QStringLiteral("b.wav")}));
    EXPECT_EQ(layout.nodes[layout.selected].key(), QStringLiteral("Com1"));
    EXPECT_EQ(layout.selectedIcon, TreeBuilder::NowPlaying);

    const LocalFileList single {{QStringLiteral("/media/a.mp3")}, 0, false, 0};
    EXPECT_EQ(TreeBuilder::build(TreeBuilder::MyComputer, {}, single).nodes.size(), 1);
}

TEST(TreeViews, TheMovieStoreBranchNeedsStoreRecords)
{
    Catalogue c;
    ChannelRecord store;
    store.kind = ChannelRecord::MovieStore;
    store.name = QStringLiteral("Films");
    c.channels = {store};
    c.movieStoreLoaded = true;
    const TreeLayout layout = TreeBuilder::build(TreeBuilder::ByCountry, c, {});
    EXPECT_EQ(parentKeyOf(layout, QStringLiteral("C0")), QStringLiteral("MoviesTvAmazon"));
    EXPECT_EQ(find(layout, QStringLiteral("C0"))->icon, 19); // a movie-store entry
}

TEST(ItemKeys, EveryItemNodeOfEveryViewHasAKeyThatReadsBack)
{
    Catalogue c;
    c.channels = {tv("Germany", "News", "DW"), radio("France", "Inter")};
    c.favorites = {tv("USA", "News", "Fav")};
    const LocalFileList files {{QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3")}, 1, false, 0};
    int items = 0;
    for (const int view :
        {TreeBuilder::ByCategory, TreeBuilder::ByCountry, TreeBuilder::Favorites, TreeBuilder::MyComputer}) {
        for (const TreeNode& node : TreeBuilder::build(view, c, files).nodes) {
            const std::optional<ItemKey> key = ItemKey::parse(node.key());
            if (!key)
                continue;
            ++items;
            EXPECT_EQ(key->text(), node.key());
        }
    }
    EXPECT_EQ(items, 2 + 2 + 1 + 2); // both channels in either channel view, one favorite, two files
}


TEST(ItemKeys, BranchesAndMalformedKeysAreNoItems)
{
    for (const char* key : {"", "C", "F", "Com", "Cx", "C-1", "C+1", "C 1", "C1x", "MainNodeTV",
             "MainNodeFile", "MoviesTvAmazon", "TvFavorite", "MyComputerFavorite", "C99999999999", "X3"})
        EXPECT_FALSE(ItemKey::parse(QString::fromLatin1(key))) << key;
    EXPECT_FALSE(ItemKey::parse(QStringLiteral("C\u0661"))); // an Arabic-Indic digit is no index
    EXPECT_EQ(ItemKey::parse(QStringLiteral("Com12")), ItemKey::localFile(12));
    EXPECT_EQ(ItemKey::parse(QStringLiteral("F0")), ItemKey::favorite(0));
    EXPECT_EQ(ItemKey::parse(QStringLiteral("C007")), ItemKey::channel(7));
}
