#pragma once

#include "guide/core/GuideTable.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// The programme on now, with how far it has come, and the next one, under the tree's
// information; hidden for a channel without a guide.
class GuideNowPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuideNowPanel)
public:
    explicit GuideNowPanel(QWidget* parent = nullptr);

    void showNowNext(const GuideTable& table, GuideTable::NowNext at, qint64 nowUtc);
    void showNothing();

    QLabel* nowLabel;
    QProgressBar* progress;
    QLabel* nextLabel;
};
