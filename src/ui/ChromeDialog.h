#pragma once

#include <QDialog>
#include <QPoint>

// What a dialog takes from the main window when it opens.
struct ChromeState {
    bool topmost = false;
    bool rightToLeft = false;
};

// Base of the program's dialogs: takes the main window's topmost state and reading
// direction, and, for the title-less ones, drags by its background and chosen labels and
// may have a rounded frame.
class ChromeDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChromeDialog)
public:
    enum class Frame { Titled, Plain, Rounded };

    ChromeDialog(QWidget* owner, Frame frame, ChromeState state);
    ~ChromeDialog() override;

protected:
    // The widget also moves the window when dragged.
    void addDragHandle(QWidget* handle);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void beginDrag(const QPoint& globalPos);
    void dragTo(const QPoint& globalPos);

    Frame m_frame;
    bool m_dragging = false;
    QPoint m_grabOffset;
};
