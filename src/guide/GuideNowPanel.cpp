#include "guide/GuideNowPanel.h"

#include "guide/GuideTexts.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

GuideNowPanel::GuideNowPanel(QWidget* parent)
    : QWidget(parent), nowLabel(new QLabel), progress(new QProgressBar), nextLabel(new QLabel)
{
    setObjectName(QStringLiteral("GuideNowNext"));
    nowLabel->setObjectName(QStringLiteral("lblGuideNow"));
    nextLabel->setObjectName(QStringLiteral("lblGuideNext"));
    progress->setObjectName(QStringLiteral("GuideProgress"));
    progress->setRange(0, 1000);
    progress->setTextVisible(false);
    progress->setMaximumHeight(6);
    progress->setAccessibleName(QStringLiteral("How far the programme on now has come"));
    for (QLabel* label : {nowLabel, nextLabel}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(nowLabel);
    layout->addWidget(progress);
    layout->addWidget(nextLabel);
    hide();
}

void GuideNowPanel::showNowNext(const GuideTable& table, GuideTable::NowNext at, qint64 nowUtc)
{
    if (!at.now && !at.next) {
        showNothing();
        return;
    }
    nowLabel->setText(
        at.now ? QStringLiteral("Now: ") + GuideTexts::span(table, *at.now) : QStringLiteral("Now: nothing"));
    progress->setVisible(at.now != nullptr);
    if (at.now)
        progress->setValue(static_cast<int>(
            1000 * (nowUtc - at.now->start) / std::max<qint64>(1, at.now->stop - at.now->start)));
    nextLabel->setText(at.next
            ? QStringLiteral("Next: %1 %2").arg(GuideTexts::clock(at.next->start), table.text(at.next->title))
            : QString());
    nextLabel->setVisible(at.next != nullptr);
    show();
}

void GuideNowPanel::showNothing()
{
    nowLabel->clear();
    nextLabel->clear();
    hide();
}
