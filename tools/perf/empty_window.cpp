// The yardstick of start-up: a minimal Qt Widgets program that shows an empty window the
// size of Vidorra's, started the same way. Given a path, it writes that file once the
// window has been drawn, as Vidorra does with VIDORRA_SCREENSHOT, and ends.
//
// With --menus-and-tree it shows a main window with three menus and a tree of 20 rows
// instead: what Qt itself takes for the first text, menu bar and item view, for scale.
//
// It writes the same start-up marks as Vidorra, under the same logging rule.
#include "base/StartUpMarks.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>
#include <QWindow>

#include <memory>

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
                StartUpMarks::mark("window drawn");
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

// Three menus of one entry each over a tree of 20 rows.
void fill(QMainWindow& window)
{
    for (const char* title : {"&File", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Entry"));
    auto* tree = new QTreeWidget;
    for (int row = 0; row < 20; ++row)
        new QTreeWidgetItem(tree, {QStringLiteral("Row %1").arg(row)});
    window.setCentralWidget(tree);
}

} // namespace

int main(int argc, char** argv)
{
    StartUpMarks::mark("main");
    QApplication app(argc, argv);
    StartUpMarks::mark("application made");
    const bool furnished = QCoreApplication::arguments().contains(QStringLiteral("--menus-and-tree"));
    // Only the window shown is made, so the empty one costs what it always did.
    std::unique_ptr<QWidget> made;
    if (furnished) {
        auto main = std::make_unique<QMainWindow>();
        fill(*main);
        made = std::move(main);
    } else {
        made = std::make_unique<QWidget>();
    }
    QWidget& window = *made;
    StartUpMarks::mark("main window made");
    window.resize(900, 620);
    ShotOnExpose shot(window, qEnvironmentVariable("VIDORRA_SCREENSHOT"));
    window.winId(); // its surface, watched before it is shown
    window.windowHandle()->installEventFilter(&shot);
    window.show();
    StartUpMarks::mark("window shown");
    return app.exec();
}
