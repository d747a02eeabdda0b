#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// A whole-resource fetch that returns only when the transfer has ended. The window keeps
// painting meanwhile, but takes no input. Every fetch is bounded by its time-outs.
class Transfer {
public:
    struct Result {
        QByteArray bytes; // the whole body; empty when the server sent nothing
        QString error; // empty on success
        QString text; // the body as the program's 8-bit text, from fetchText only
        bool ok() const { return error.isEmpty(); }
    };

    virtual ~Transfer() = default;

    virtual Result fetchBytes(const QUrl& url) = 0;
    // The body decoded as the program's 8-bit text.
    virtual Result fetchText(const QUrl& url) = 0;
    // Ends a running fetch at once; the fetch returns with an error.
    virtual void cancel() = 0;
};
