#include "platform/core/NavigationPolicy.h"

namespace NavigationPolicy {

namespace {
int portOf(const QUrl& url) { return url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80); }

// The page's own doing: web pages only, and in the top frame only the page's origin when set.
Decision pageNavigation(const Rules& rules, const QUrl& url, bool topFrame)
{
    if (!isWeb(url))
        return !topFrame && url.scheme() == QLatin1String("about") ? Decision::Load : Decision::Refuse;
    if (topFrame && rules.pageOrigin.isValid() && !sameOrigin(url, rules.pageOrigin))
        return Decision::Refuse;
    return Decision::Load;
}
} // namespace

bool isWeb(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
        && (scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0
            || scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0);
}

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && portOf(a) == portOf(b);
}

Decision decide(const Rules& rules, const QUrl& url, Origin origin, bool topFrame)
{
    switch (origin) {
    case Origin::Program:
        return Decision::Load;
    case Origin::UserClick:
        if (!isWeb(url))
            return Decision::Refuse;
        return rules.externalLinks ? Decision::HandOn : Decision::Load;
    case Origin::Redirect:
        return isWeb(url) ? Decision::Load : Decision::Refuse;
    case Origin::ScriptClick:
    case Origin::Page:
        break;
    }
    return pageNavigation(rules, url, topFrame);
}

} // namespace NavigationPolicy
