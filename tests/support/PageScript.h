#pragma once

#include "platform/WebEngineView.h"

#include <QTest>
#include <QVariant>

// Runs a script in an embedded page and waits for its result; "no answer" when none came.
inline QVariant runInPage(WebEngineView& view, const QString& script)
{
    QVariant result;
    bool done = false;
    view.runScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QStringLiteral("no answer");
    return result;
}
