#pragma once

#include <QUrl>

// The desktop's "Open": a web page in the user's browser, a mailto: address in the mail program.
class Shell {
public:
    virtual ~Shell() = default;
    // The caller relies only on the desktop opening the address; the result is advisory.
    virtual bool open(const QUrl& url) = 0;
};
