#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Answers to modal windows that a test expects. Each acts on the next modal window as soon
// as it shows. One whose window never came is a failure, and no answer outlives its test:
// the test's cleanup calls ModalAnswers::settle(), which cancels what is still pending.
namespace ModalAnswers {

struct State {
    QList<QPointer<QTimer>> pending;
    QStringList neverShown;
};
inline State& state()
{
    static State s;
    return s;
}

// Empty when every expected window came; else what was expected and did not come. Cancels
// every answer still waiting.
inline QString settle()
{
    State& s = state();
    for (const QPointer<QTimer>& poll : std::as_const(s.pending)) {
        if (poll) {
            s.neverShown.append(poll->objectName());
            poll->deleteLater();
        }
    }
    s.pending.clear();
    const QString missing = s.neverShown.join(QStringLiteral(", "));
    s.neverShown.clear();
    return missing;
}

} // namespace ModalAnswers

// Acts on the next modal window as soon as it shows, so a test can answer it.
inline void whenModalShows(std::function<void(QWidget*)> act, int timeoutMs = 10000,
    const QString& what = QStringLiteral("a modal window"))
{
    auto* poll = new QTimer;
    poll->setObjectName(what);
    ModalAnswers::state().pending.append(poll);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act), waited, timeoutMs] {
        *waited += 20;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            poll->stop();
            ModalAnswers::state().pending.removeAll(poll);
            poll->deleteLater();
            act(modal);
        } else if (*waited > timeoutMs) {
            poll->stop();
            ModalAnswers::state().pending.removeAll(poll);
            ModalAnswers::state().neverShown.append(poll->objectName());
            poll->deleteLater();
        }
    });
    poll->start(20);
}

// Closes any modal window that shows while `during` runs; true when none showed.
inline bool noModalShows(const std::function<void()>& during)
{
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&shown] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            shown = true;
            modal->close();
        }
    });
    poll.start(20);
    during();
    return !shown;
}
