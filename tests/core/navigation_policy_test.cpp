#include "platform/core/NavigationPolicy.h"

#include <gtest/gtest.h>

using namespace NavigationPolicy;

namespace {

const QUrl kServer(QStringLiteral("http://127.0.0.1:8765/"));
const Rules kBanner {true, kServer};
const Rules kStore {false, QUrl()};

QUrl url(const char* text) { return QUrl(QString::fromLatin1(text)); }

const char* const kNotWeb[] = {"file:///etc/passwd", "data:text/html,<b>x</b>", "javascript:alert(1)",
    "mailto:a@b.c", "ftp://127.0.0.1/x", "vidorra:x", "http:///no-host", "smb://host/share"};

} // namespace

TEST(NavigationPolicyBanner, OnlyAWebLinkTheUserClickedIsOpenedOutside)
{
    EXPECT_EQ(decide(kBanner, url("https://example.org/offer"), Origin::UserClick, true), Decision::HandOn);
    EXPECT_EQ(decide(kBanner, url("http://127.0.0.1:8765/news"), Origin::UserClick, false), Decision::HandOn);
    for (const char* address : kNotWeb)
        EXPECT_EQ(decide(kBanner, url(address), Origin::UserClick, true), Decision::Refuse) << address;
}

TEST(NavigationPolicyBanner, ALinkAScriptClicksIsNeverOpenedOutside)
{
    for (const char* address : {"https://example.org/offer", "http://localhost:8765/news", "file:///etc/passwd"}) {
        EXPECT_EQ(decide(kBanner, url(address), Origin::ScriptClick, true), Decision::Refuse) << address;
        EXPECT_NE(decide(kBanner, url(address), Origin::ScriptClick, false), Decision::HandOn) << address;
    }
    // The server's own pages may follow one another in the banner itself.
    EXPECT_EQ(decide(kBanner, url("http://127.0.0.1:8765/next.html"), Origin::ScriptClick, true), Decision::Load);
}

TEST(NavigationPolicyBanner, ThePagesOwnTopFrameNavigationsStayOnTheServersPages)
{
    EXPECT_EQ(decide(kBanner, url("http://127.0.0.1:8765/other.html"), Origin::Page, true), Decision::Load);
    EXPECT_EQ(decide(kBanner, url("HTTP://127.0.0.1:8765/x"), Origin::Page, true), Decision::Load);
    for (const Origin origin : {Origin::Page, Origin::ScriptClick}) {
        for (const char* address : {"http://localhost:8765/", "http://127.0.0.1:8766/", "https://127.0.0.1:8765/",
                 "https://example.org/"})
            EXPECT_EQ(decide(kBanner, url(address), origin, true), Decision::Refuse) << address;
        for (const char* address : kNotWeb)
            EXPECT_EQ(decide(kBanner, url(address), origin, true), Decision::Refuse) << address;
    }
}

TEST(NavigationPolicyBanner, FramesInsideThePageMayShowWebPagesOnly)
{
    EXPECT_EQ(decide(kBanner, url("https://ads.example.org/frame"), Origin::Page, false), Decision::Load);
    EXPECT_EQ(decide(kBanner, url("about:blank"), Origin::Page, false), Decision::Load);
    for (const char* address : kNotWeb)
        EXPECT_EQ(decide(kBanner, url(address), Origin::Page, false), Decision::Refuse) << address;
}

TEST(NavigationPolicyBoth, TheProgramsOwnLoadsPassAndRedirectsStayOnTheWeb)
{
    for (const Rules& rules : {kBanner, kStore}) {
        EXPECT_EQ(decide(rules, url("file:///home/user/Movies.html"), Origin::Program, true), Decision::Load);
        EXPECT_EQ(decide(rules, url("https://example.org/"), Origin::Redirect, true), Decision::Load);
        for (const char* address : kNotWeb)
            EXPECT_EQ(decide(rules, url(address), Origin::Redirect, true), Decision::Refuse) << address;
    }
}

TEST(NavigationPolicyStore, LinksAreFollowedInsideButNeverToLocalFiles)
{
    EXPECT_EQ(decide(kStore, url("https://store.example.org/film"), Origin::UserClick, true), Decision::Load);
    EXPECT_EQ(decide(kStore, url("https://store.example.org/film"), Origin::ScriptClick, true), Decision::Load);
    for (const char* address : kNotWeb) {
        EXPECT_EQ(decide(kStore, url(address), Origin::UserClick, true), Decision::Refuse) << address;
        EXPECT_EQ(decide(kStore, url(address), Origin::Page, true), Decision::Refuse) << address;
    }
}
