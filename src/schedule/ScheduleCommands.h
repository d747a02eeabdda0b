#pragma once

#include "schedule/core/ReminderScan.h"
#include "schedule/core/ScheduleStore.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>
#include <memory>

struct AppState;
struct PlayRequest;
class CatalogueView;
class MainWindow;
class Notifier;
class ProgramTimeEditor;
class ReminderWindow;
class ScheduledListWindow;

// Scheduled programs and their reminders: the file at start-up, the reminder scheduler
// on the main window's minute timer, the reminder window and desktop notification, the
// time editor from the tree's pop-up menus and the list window.
class ScheduleCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScheduleCommands)
public:
    struct Parts {
        AppState& state;
        MainWindow& window;
        CatalogueView& view;
        Notifier* notifier; // may be null: the reminder window alone
        std::function<QDateTime()> clock;
        std::function<void(const PlayRequest&)> runVideo;
    };

    explicit ScheduleCommands(Parts parts);
    ~ScheduleCommands() override;

    ScheduleStore& store() { return m_store; }

    // ReadScheduledPrograms, at start-up.
    void readScheduledPrograms();
    // From the settings: the scheduler on (with a first tick at once) or off.
    void applyReminderSetting();
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
    ScheduleStore m_store;
    ReminderScan m_scan;
    QVector<ReminderScan::Due> m_waiting; // reminders due, shown one at a time
    QPointer<ReminderWindow> m_reminder;
    QPointer<ScheduledListWindow> m_list;
};
