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
    // The pages of what the program plays with: the media engine and its codecs.
    static const char* const kEnginePage;
    static const char* const kCodecsPage;

    // `settingsFolder` is where the program keeps the user's settings and favorites.
    StartPage(std::function<void(const QUrl&)> open, const QString& settingsFolder, QWidget* parent = nullptr);
    ~StartPage() override;

    QLabel* helpText;
    QLabel* playsWithText;
    QLabel* engineName; // above its button, so that both swap sides together
    QLabel* codecsName;
    QLabel* engineButton;
    QLabel* engineButtonLit;
    QLabel* codecsButton;
    QLabel* codecsButtonLit;
    QLabel* noteText;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Shows the highlighted picture of one button (nullptr: neither) and the normal one of the other.
    void highlight(QLabel* normal);

    std::function<void(const QUrl&)> m_open;
};
