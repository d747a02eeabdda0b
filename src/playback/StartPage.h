#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QUrl;

// `FirstPage`: what the player area shows before anything has played.
class StartPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartPage)
public:
    static const char* const kWindowsMediaDownload;
    static const char* const kRealPlayerDownload;

    StartPage(std::function<void(const QUrl&)> open, QWidget* parent = nullptr);
    ~StartPage() override;

    QLabel* playerNames;
    QLabel* helpText;
    QLabel* needsText;
    QLabel* noteText;
    QLabel* realOneButton; // RealAudio player, normal
    QLabel* windowsMediaButton; // Windows Media Player, normal
    QLabel* windowsMediaButtonLit; // Windows Media Player, highlighted
    QLabel* realOneButtonLit; // RealAudio player, highlighted

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void highlight(QLabel* normal);

    std::function<void(const QUrl&)> m_open;
};
