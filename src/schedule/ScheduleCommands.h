#pragma once

#include "schedule/ScheduleFace.h"
#include "schedule/core/ReminderScan.h"
#include "schedule/core/ScheduleStore.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>

class CatalogueFace;
class MainWindow;
class PlaybackFace;
struct ProgramState;
class Notifier;
class ProgramTimeEditor;
class ReminderWindow;
class ScheduledListWindow;

// Scheduled programs and their reminders: the file at start-up, the reminder scheduler
// on its minute timer, the reminder window and desktop notification, the
// time editor from the tree's pop-up menus and the list window.
class ScheduleCommands final : public QObject, public ScheduleFace {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScheduleCommands)
public:
    struct Parts {
        const ProgramState& program;
        MainWindow& window;
        CatalogueFace& catalogue;
        PlaybackFace& playback;
        Notifier* notifier; // may be null: the reminder window alone
        std::function<QDateTime()> clock;
    };

    explicit ScheduleCommands(Parts parts);
    ~ScheduleCommands() override;

    ScheduleStore& store() { return m_store; }
    bool scheduleProgram(const ScheduledProgram& program, QString* whyNot) override;
    bool isScheduled(const ScheduledProgram& program) const override;

    // ReadScheduledPrograms, at start-up.
    void readScheduledPrograms();
    // From the settings: how early and how often to remind, and the scheduler on (with a
    // first tick at once) or off.
    void applyReminderSetting();
    bool remindersRunning() const { return m_timer.isActive(); }
    int remindBeforeSeconds() const { return m_remindBeforeSeconds; }
    // The menu's Run and Stop reminding service.
    void runRemindingService();
    void stopRemindingService();
    // One tick of the minute timer.
    void tick();

    // The time editor for the channel or favorite selected in the tree.
    void setProgramTimeOfSelected();
    // The list window, modeless.
    void showScheduledPrograms();
    // Finds the program's channel (TV and radio first, then favorites), shows it in the
    // tree and plays it; says so when it is in neither.
    void runProgram(int index, QWidget* messageOwner);

    ReminderWindow* reminderShown() const;
    ScheduledListWindow* listWindow() const;

private:
    void showNextReminder();
    void notifyDesktop(const ReminderScan::Due& due, const QString& text);
    void setFromEditor(ProgramTimeEditor& editor, const QByteArray& address);
    void modifyFromEditor(ProgramTimeEditor& editor);
    void modifyFromList(int index);
    void deleteFromList(int index);
    void message(QWidget* owner, const QString& text) const;
    std::optional<double> typedStart(ProgramTimeEditor& editor) const;

    Parts m_parts;
    QTimer m_timer; // a minute
    int m_remindBeforeSeconds = 0;
    int m_remindEveryMinutes = 0;
    ScheduleStore m_store;
    ReminderScan m_scan;
    QVector<ReminderScan::Due> m_waiting; // reminders due, shown one at a time
    QPointer<ReminderWindow> m_reminder;
    QPointer<ScheduledListWindow> m_list;
};
