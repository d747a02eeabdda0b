#pragma once

#include <QWidget>

class QIcon;
class QLabel;

// What the player area shows for an item without a picture (a radio station): its name,
// its country's flag or its icon, the stream's current title and the time it has played.
class AudioPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AudioPanel)
public:
    explicit AudioPanel(QWidget* parent = nullptr);
    ~AudioPanel() override;

    void setItem(const QString& name, const QIcon& icon);
    void setStreamTitle(const QString& title);
    void setElapsed(double seconds);

    QLabel* iconLabel;
    QLabel* nameLabel;
    QLabel* streamTitleLabel;
    QLabel* elapsedLabel;
};
