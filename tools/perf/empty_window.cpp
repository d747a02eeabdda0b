// The yardstick of start-up: a minimal Qt Widgets program that shows an empty window the
// size of Vidorra's, started the same way. Given a path, it writes that file once the
// window has been drawn, as Vidorra does with VIDORRA_SCREENSHOT, and ends.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Saves the window once its surface is first exposed; the widget paints for that expose
// before the queued call runs.
class ShotOnExpose final : public QObject {
public:
    ShotOnExpose(QWidget& window, QString path) : m_window(window), m_path(std::move(path)) { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !m_done && m_window.windowHandle()->isExposed()) {
            m_done = true;
            QTimer::singleShot(0, this, [this] {
                m_window.grab().save(m_path, "PNG");
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
    QString m_path;
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(900, 620);
    ShotOnExpose shot(window, qEnvironmentVariable("VIDORRA_SCREENSHOT"));
    window.winId(); // its surface, watched before it is shown
    window.windowHandle()->installEventFilter(&shot);
    window.show();
    return app.exec();
}
