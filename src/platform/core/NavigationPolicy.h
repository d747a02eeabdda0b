#pragma once

#include <QUrl>

// What an embedded page may do when it asks to go somewhere. Pages come from lists and
// the vendor's server: they never reach local files or other schemes, and they open
// nothing on the desktop unless the user really clicked.
namespace NavigationPolicy {

enum class Origin {
    Program, // the program's own load of a page or markup
    UserClick, // a link, with a mouse or key press on the view just before
    ScriptClick, // a link "clicked", or the location set, by a script with no press of the user's
    Page, // the page's own doing otherwise: a form, a reload, a frame
    Redirect, // the server's answer to a load
};

enum class Decision {
    Load, // follow it in the view
    HandOn, // open it outside, in the user's browser
    Refuse,
};

struct Rules {
    bool externalLinks = false; // links are handed on rather than followed
    QUrl pageOrigin; // when valid, the page's own top-frame navigations stay on it
};

bool isWeb(const QUrl& url);
bool sameOrigin(const QUrl& a, const QUrl& b);
Decision decide(const Rules& rules, const QUrl& url, Origin origin, bool topFrame);

} // namespace NavigationPolicy
