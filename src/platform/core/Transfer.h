#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

// Whole-resource fetches that never hold up the caller: a fetch starts at once and its
// result arrives later, on the caller's thread. Every fetch is bounded in time (connect
// and total time-outs) and in size (the caller's bound); past either, it ends with an
// error and frees what it held.
class Transfer {
public:
    struct Result {
        QByteArray bytes; // the whole body; empty when the server sent nothing
        QString error; // empty on success
        bool ok() const { return error.isEmpty(); }
    };
    using Done = std::function<void(const Result&)>;

    virtual ~Transfer() = default;

    // Calls `done` exactly once, never from within this call; not at all once the
    // transfer itself is destroyed.
    virtual void fetch(const QUrl& url, qint64 maxBytes, Done done) = 0;
    // Ends every running fetch; each reports a "cancelled" error.
    virtual void cancelAll() = 0;
};
