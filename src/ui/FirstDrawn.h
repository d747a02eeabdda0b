#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;
class QWindow;

// Holds work back until a window has first been drawn on the screen, so what is slow to
// set up (the web engine) never delays the window's first appearance.
class FirstDrawn final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirstDrawn)
public:
    explicit FirstDrawn(QWidget& window);
    ~FirstDrawn() override;

    bool isDrawn() const { return m_drawn; }
    // Runs `work` once the window has been drawn, in a later pass of the event loop (the
    // next one when it has been drawn already); never once `context` is gone.
    void then(QObject* context, std::function<void()> work);

Q_SIGNALS:
    // The window has been drawn; sent once, before the held-back work runs.
    void drawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pending {
        QPointer<QObject> context;
        std::function<void()> work;
    };
    void watchSurface();
    void runPending();

    QWidget& m_window;
    bool m_drawn = false;
    QPointer<QWindow> m_surface; // the one watched
    std::vector<Pending> m_pending;
};
