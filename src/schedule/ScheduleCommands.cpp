#include "schedule/ScheduleCommands.h"

#include "catalogue/CatalogueView.h"
#include "catalogue/core/AppState.h"
#include "catalogue/core/TreeBuilder.h"
#include "platform/core/Notifier.h"
#include "schedule/ProgramTimeEditor.h"
#include "schedule/ReminderWindow.h"
#include "schedule/ScheduledListWindow.h"
#include "schedule/core/DayNumber.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"
#include "state/TextId.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

#include <optional>

namespace {


QString withoutAccelerator(QString caption) { return caption.remove(u'&'); }

} // namespace

ScheduleCommands::ScheduleCommands(Parts parts)
    : m_parts(std::move(parts)), m_store(m_parts.state.folder.file(QStringLiteral("scheduledprograms")))
{
}

ScheduleCommands::~ScheduleCommands()
{
    if (m_reminder)
        disconnect(m_reminder, nullptr, this, nullptr);
    delete m_reminder;
    delete m_list;
}

ReminderWindow* ScheduleCommands::reminderShown() const { return m_reminder; }

ScheduledListWindow* ScheduleCommands::listWindow() const { return m_list; }

void ScheduleCommands::message(QWidget* owner, const QString& text) const
{
    WaitingWindow box(owner, m_parts.window.isTopmost());
    box.showMessage(text, m_parts.state.texts.text(TextId::Ok));
}

void ScheduleCommands::readScheduledPrograms()
{
    const QString error = m_store.load(m_parts.clock());
    if (!error.isEmpty())
        message(&m_parts.window, error);
}

void ScheduleCommands::applyReminderSetting()
{
    AppState& state = m_parts.state;
    QTimer* timer = m_parts.window.reminderTimer;
    if (!state.settings.lineEquals(Settings::RemindMe, QStringLiteral("remindme=1"))) {
        timer->stop();
        return;
    }
    state.remindBeforeSeconds = state.settings.remindBeforeSeconds();
    state.remindEveryMinutes = state.settings.remindEveryMinutes();
    timer->start();
    tick();
}

void ScheduleCommands::runRemindingService()
{
    m_parts.window.reminderTimer->start();
    m_parts.window.menus().runRemindersAction->setChecked(true);
    m_parts.window.menus().stopRemindersAction->setChecked(false);
}

void ScheduleCommands::stopRemindingService()
{
    m_parts.window.reminderTimer->stop();
    m_parts.window.menus().runRemindersAction->setChecked(false);
    m_parts.window.menus().stopRemindersAction->setChecked(true);
}

void ScheduleCommands::tick()
{
    const AppState& state = m_parts.state;
    if (!m_scan.tick(state.remindEveryMinutes))
        return;
    m_waiting += m_scan.scan(m_store.programs(), m_parts.clock(), state.remindBeforeSeconds, state.playback.currentRoot);
    showNextReminder();
}

// One reminder at a time: the next shows when the one before it has closed.
void ScheduleCommands::showNextReminder()
{
    if (m_reminder || m_waiting.isEmpty())
        return;
    const ReminderScan::Due due = m_waiting.takeFirst();
    if (due.index >= m_store.count()) {
        m_scan.closed(due.key);
        showNextReminder();
        return;
    }
    const ScheduledProgram& program = m_store.programs()[due.index];
    auto* reminder = new ReminderWindow(&m_parts.window, m_parts.window.chromeState(), m_parts.state.texts, due.index,
        program.programName, due.at.time());
    m_reminder = reminder;
    connect(reminder, &ReminderWindow::runRequested, this, [this, reminder](int index) {
        reminder->hide();
        runProgram(index, reminder);
        reminder->close();
    });
    connect(reminder, &QObject::destroyed, this, [this, key = due.key] {
        m_scan.closed(key);
        QTimer::singleShot(0, this, [this] { showNextReminder(); });
    });
    reminder->placeInCorner();
    reminder->show();
    notifyDesktop(due, reminder->lblMessage->text());
}

void ScheduleCommands::notifyDesktop(const ReminderScan::Due& due, const QString& text)
{
    if (!m_parts.notifier)
        return;
    const LanguageTexts& t = m_parts.state.texts;
    m_parts.notifier->notify(t.text(TextId::ReminderTitle), text, withoutAccelerator(t.text(TextId::WatchItem)), [this, due] {
        if (m_reminder && m_reminder->programIndex() == due.index)
            m_reminder->close();
        runProgram(due.index, &m_parts.window);
    });
}

void ScheduleCommands::runProgram(int index, QWidget* messageOwner)
{
    if (index < 0 || index >= m_store.count())
        return;
    AppState& state = m_parts.state;
    const QByteArray address = m_store.programs()[index].channelAddress.trimmed();
    const auto find = [&address](const QVector<ChannelRecord>& records, int end) {
        for (int k = 0; k < end && k < records.size(); ++k) {
            if (records[k].address.trimmed() == address)
                return k;
        }
        return -1;
    };
    const int channel = find(state.catalogue.channels, state.catalogue.radioEnd);
    const int favorite = channel < 0 ? find(state.catalogue.favorites, state.catalogue.favoriteCount()) : -1;
    if (channel < 0 && favorite < 0) {
        message(messageOwner, state.texts.text(TextId::ChannelGone));
        return;
    }
    if (!m_parts.window.isVisible())
        m_parts.window.show();
    state.playback.localFiles.listMode = false;
    const bool inChannels = channel >= 0;
    const bool viewFits = inChannels ? (state.currentView == 0 || state.currentView == 1) : state.currentView == 2;
    if (!viewFits)
        m_parts.window.viewSelector->setCurrentIndex(inChannels ? 1 : 2);
    m_parts.view.selectKey((inChannels ? QStringLiteral("C%1") : QStringLiteral("F%1")).arg(inChannels ? channel : favorite));
    m_parts.window.catalogueTree->scrollTo(m_parts.view.selectedIndex());
    const ChannelRecord& record = inChannels ? state.catalogue.channels[channel] : state.catalogue.favorites[favorite];
    m_parts.runVideo({record.kind, record.op, record.address, record.name});
}

// The start typed in the editor, once it has a name and numbers; else says what is missing.
std::optional<double> ScheduleCommands::typedStart(ProgramTimeEditor& editor) const
{
    if (editor.txtProgramName->text().trimmed().isEmpty()) {
        message(&editor, m_parts.state.texts.text(TextId::NoProgramName));
        return std::nullopt;
    }
    const std::optional<double> start = editor.startTime();
    if (!start)
        message(&editor, QStringLiteral("Every time field, and every date field of a program on one day, needs a number."));
    return start;
}

void ScheduleCommands::setProgramTimeOfSelected()
{
    const AppState& state = m_parts.state;
    const int index = TreeBuilder::keyIndex(m_parts.view.selectedKey(), 1);
    const ChannelRecord* record = state.currentView == TreeBuilder::Favorites ? state.catalogue.favorite(index)
                                                                               : state.catalogue.channel(index);
    if (!record)
        return;
    ProgramTimeEditor editor(&m_parts.window, m_parts.window.chromeState(), state.texts, m_parts.clock().date());
    editor.proposeNew(record->name);
    const QByteArray address = record->address;
    connect(&editor, &ProgramTimeEditor::setClicked, &editor, [this, &editor, address] { setFromEditor(editor, address); });
    editor.exec();
}

void ScheduleCommands::setFromEditor(ProgramTimeEditor& editor, const QByteArray& address)
{
    const LanguageTexts& t = m_parts.state.texts;
    const std::optional<double> start = typedStart(editor);
    if (!start)
        return;
    ScheduledProgram program {editor.txtProgramName->text(), editor.txtChannelName->text(), *start, address};
    bool duplicate = false;
    if (!m_store.add(program, &duplicate)) {
        message(&editor, duplicate ? t.text(TextId::AlreadyScheduled) : m_store.lastError());
        return;
    }
    if (m_list)
        m_list->refill(m_store.programs());
    message(&editor, t.text(TextId::ProgramSaved));
}

void ScheduleCommands::showScheduledPrograms()
{
    if (m_list) {
        m_list->raise();
        m_list->activateWindow();
        return;
    }
    m_list = new ScheduledListWindow(&m_parts.window, m_parts.window.chromeState(), m_parts.state.texts);
    m_list->refill(m_store.programs());
    connect(m_list, &ScheduledListWindow::runClicked, this, [this](int index) { runProgram(index, m_list); });
    connect(m_list, &ScheduledListWindow::modifyClicked, this, &ScheduleCommands::modifyFromList);
    connect(m_list, &ScheduledListWindow::deleteClicked, this, &ScheduleCommands::deleteFromList);
    m_list->show();
}

void ScheduleCommands::modifyFromList(int index)
{
    if (index < 0 || index >= m_store.count())
        return;
    const ScheduledProgram& program = m_store.programs()[index];
    ProgramTimeEditor editor(m_list, m_parts.window.chromeState(), m_parts.state.texts, m_parts.clock().date());
    editor.editExisting(index, program.programName, program.channelName, program.startTime);
    connect(&editor, &ProgramTimeEditor::modifyClicked, &editor, [this, &editor] { modifyFromEditor(editor); });
    editor.exec();
}

void ScheduleCommands::modifyFromEditor(ProgramTimeEditor& editor)
{
    const LanguageTexts& t = m_parts.state.texts;
    const int index = editor.editedIndex();
    if (index < 0 || index >= m_store.count())
        return;
    const std::optional<double> start = typedStart(editor);
    if (!start)
        return;
    ScheduledProgram program = m_store.programs()[index];
    program.programName = editor.txtProgramName->text();
    program.channelName = editor.txtChannelName->text();
    program.startTime = *start;
    if (!m_store.replace(index, program)) {
        message(&editor, m_store.lastError());
        return;
    }
    if (m_list)
        m_list->refill(m_store.programs());
    message(&editor, t.text(TextId::ProgramSaved));
}

void ScheduleCommands::deleteFromList(int index)
{
    if (!m_store.remove(index)) {
        if (!m_store.lastError().isEmpty())
            message(m_list, m_store.lastError());
        return;
    }
    m_list->refill(m_store.programs());
}
