#pragma once

#include "guide/core/GuideTable.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// A channel's programmes for a week, by day, with the description of the one selected;
// the one on now is marked, those scheduled carry a bell, and "Remind me" schedules one.
class GuideWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuideWindow)
public:
    using IsScheduled = std::function<bool(const GuideTable::Programme&)>;

    explicit GuideWindow(QWidget* parent);

    // Shows the channel's programmes of today and the six days after, by local day.
    void fill(const QString& channelName, std::shared_ptr<const GuideTable> table, int channel, qint64 nowUtc,
        IsScheduled scheduled);
    // Marks the programmes scheduled anew.
    void refreshBells();
    const GuideTable::Programme* selectedProgramme() const;
    // Selects the programme starting at `utc`; false where there is none.
    bool selectStartingAt(qint64 utc);

    QLabel* captionLabel;
    QTreeWidget* programmesView;
    QTextBrowser* descriptionView;
    QPushButton* remindButton;
    QPushButton* closeButton;

Q_SIGNALS:
    void remindRequested(const GuideTable::Programme* programme);

private:
    void describe(const GuideTable::Programme* programme);
    QTreeWidgetItem* itemOf(const GuideTable::Programme* programme) const;

    std::shared_ptr<const GuideTable> m_table;
    IsScheduled m_scheduled;
};
