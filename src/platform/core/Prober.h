#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

// Asks an address whether it answers, reading at most the first few kilobytes of what it
// sends and never more than a few seconds. The answer arrives later, on the caller's thread.
class Prober {
public:
    struct Answer {
        int status = 0; // the HTTP status; 0 when no answer came
        QByteArray contentType;
        QByteArray head; // the first bytes of the body
        QString error; // why no answer came; empty when one did
    };
    using Done = std::function<void(const Answer&)>;

    virtual ~Prober() = default;

    // Calls `done` exactly once, never from within this call.
    virtual void probe(const QUrl& url, Done done) = 0;
    // Ends every probe still running; each reports an error.
    virtual void cancelAll() = 0;
};
