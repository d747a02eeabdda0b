#include "ui/FirstDrawn.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

FirstDrawn::FirstDrawn(QWidget& window) : QObject(&window), m_window(window)
{
    m_window.installEventFilter(this);
}

FirstDrawn::~FirstDrawn() = default;

void FirstDrawn::then(QObject* context, std::function<void()> work)
{
    if (m_drawn) {
        QTimer::singleShot(0, context, std::move(work));
        return;
    }
    m_pending.push_back({context, std::move(work)});
}

// The window's surface exists once the widget is shown, and is made anew when the window
// changes how it is drawn (as when a video picture first joins it). Its first expose is
// seen here before the widget paints for it, so work queued then runs after that painting.
bool FirstDrawn::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            watchSurface();
    } else if (!m_drawn && event->type() == QEvent::Expose && watched == m_window.windowHandle()
        && m_window.windowHandle()->isExposed()) {
        m_drawn = true;
        QTimer::singleShot(0, this, &FirstDrawn::runPending);
    }
    return QObject::eventFilter(watched, event);
}

void FirstDrawn::watchSurface()
{
    QWindow* surface = m_window.windowHandle();
    if (m_drawn || !surface || surface == m_surface)
        return;
    m_surface = surface;
    surface->installEventFilter(this);
}

void FirstDrawn::runPending()
{
    Q_EMIT drawn();
    for (Pending& pending : std::exchange(m_pending, {})) {
        if (pending.context)
            pending.work();
    }
}
