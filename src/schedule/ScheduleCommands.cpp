#include "schedule/ScheduleCommands.h"

#include "catalogue/CatalogueFace.h"
#include "catalogue/core/Catalogue.h"
#include "platform/core/Notifier.h"
#include "playback/PlaybackFace.h"
#include "schedule/ProgramTimeEditor.h"
#include "schedule/ReminderWindow.h"
#include "schedule/ScheduledListWindow.h"
#include "schedule/core/DayNumber.h"
#include "state/ProgramState.h"
#include "state/TextId.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

QString withoutAccelerator(QString caption) { return caption.remove(u'&'); }

} // namespace

ScheduleCommands::ScheduleCommands(Parts parts)
    : m_parts(std::move(parts)), m_store(m_parts.program.folder.file(QStringLiteral("scheduledprograms")))
{
    m_timer.setObjectName(QStringLiteral("tmScheduledPrograms"));
    m_timer.setInterval(60000);
    connect(&m_timer, &QTimer::timeout, this, &ScheduleCommands::tick);
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
    box.showMessage(text, m_parts.program.texts.text(TextId::Ok));
}

void ScheduleCommands::readScheduledPrograms()
{
    const QString error = m_store.load(m_parts.clock());
    if (!error.isEmpty())
        message(&m_parts.window, error);
}

void ScheduleCommands::applyReminderSetting()
{
    const Settings& settings = m_parts.program.settings;
    m_remindBeforeSeconds = settings.remindBeforeSeconds();
    m_remindEveryMinutes = settings.remindEveryMinutes();
    if (!settings.lineEquals(Settings::RemindMe, QStringLiteral("remindme=1"))) {
        m_timer.stop();
        return;
    }
    m_timer.start();
    tick();
}

void ScheduleCommands::runRemindingService()
{
    m_timer.start();
    m_parts.window.menus().runRemindersAction->setChecked(true);
    m_parts.window.menus().stopRemindersAction->setChecked(false);
}

void ScheduleCommands::stopRemindingService()
{
    m_timer.stop();
    m_parts.window.menus().runRemindersAction->setChecked(false);
    m_parts.window.menus().stopRemindersAction->setChecked(true);
}

void ScheduleCommands::tick()
{
    if (!m_scan.tick(m_remindEveryMinutes))
        return;
    m_waiting += m_scan.scan(m_store.programs(), m_parts.clock(), m_remindBeforeSeconds,
        m_parts.playback.nowPlaying().currentRoot);
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
    auto* reminder = new ReminderWindow(&m_parts.window, m_parts.window.chromeState(), m_parts.program.texts,
        due.index, program.programName, due.at.time());
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
    notifyDesktop(due, reminder->messageLabel->text());
}

void ScheduleCommands::notifyDesktop(const ReminderScan::Due& due, const QString& text)
{
    if (!m_parts.notifier)
        return;
    const LanguageTexts& t = m_parts.program.texts;
    m_parts.notifier->notify(
        t.text(TextId::ReminderTitle), text, withoutAccelerator(t.text(TextId::WatchItem)), [this, due] {
            if (m_reminder && m_reminder->programIndex() == due.index)
                m_reminder->close();
            runProgram(due.index, &m_parts.window);
        });
}

void ScheduleCommands::runProgram(int index, QWidget* messageOwner)
{
    if (index < 0 || index >= m_store.count())
        return;
    const Catalogue& catalogue = m_parts.catalogue.catalogue();
    const QByteArray address = m_store.programs()[index].channelAddress.trimmed();
    const auto find = [&address](const QVector<ChannelRecord>& records, int end) {
        for (int k = 0; k < end && k < records.size(); ++k) {
            if (records[k].address.view().trimmed() == address)
                return k;
        }
        return -1;
    };
    const int channel = find(catalogue.channels, catalogue.radioEnd);
    const int favorite = channel < 0 ? find(catalogue.favorites, catalogue.favoriteCount()) : -1;
    if (channel < 0 && favorite < 0) {
        message(messageOwner, m_parts.program.texts.text(TextId::ChannelGone));
        return;
    }
    if (!m_parts.window.isVisible())
        m_parts.window.show();
    const bool inChannels = channel >= 0;
    const TreeBuilder::View shown = m_parts.catalogue.currentView();
    const bool viewFits = inChannels ? (shown == TreeBuilder::ByCategory || shown == TreeBuilder::ByCountry)
                                     : shown == TreeBuilder::Favorites;
    if (!viewFits)
        m_parts.catalogue.showView(inChannels ? TreeBuilder::ByCountry : TreeBuilder::Favorites);
    m_parts.catalogue.reveal(inChannels ? ItemKey::channel(channel) : ItemKey::favorite(favorite));
    // The view may have been built anew: the record is read after it.
    const Catalogue& now = m_parts.catalogue.catalogue();
    const ChannelRecord& record = inChannels ? now.channels[channel] : now.favorites[favorite];
    m_parts.playback.playItem({record.kind, record.op, record.address.toByteArray(), record.name});
}

// The start typed in the editor, once it has a name and numbers; else says what is missing.
std::optional<double> ScheduleCommands::typedStart(ProgramTimeEditor& editor) const
{
    if (editor.programNameEdit->text().trimmed().isEmpty()) {
        message(&editor, m_parts.program.texts.text(TextId::NoProgramName));
        return std::nullopt;
    }
    const std::optional<double> start = editor.startTime();
    if (!start)
        message(&editor,
            QStringLiteral(
                "Every time field, and every date field of a program on one day, needs a number."));
    return start;
}

void ScheduleCommands::setProgramTimeOfSelected()
{
    const std::optional<ItemKey> item = m_parts.catalogue.selectedItem();
    if (!item || item->kind == ItemKey::Kind::LocalFile)
        return;
    const Catalogue& catalogue = m_parts.catalogue.catalogue();
    const ChannelRecord* record = item->kind == ItemKey::Kind::Favorite ? catalogue.favorite(item->index)
                                                                        : catalogue.channel(item->index);
    if (!record)
        return;
    const LanguageTexts& texts = m_parts.program.texts;
    ProgramTimeEditor editor(&m_parts.window, m_parts.window.chromeState(), texts, m_parts.clock().date());
    editor.proposeNew(record->name);
    const QByteArray address = record->address.toByteArray();
    connect(&editor, &ProgramTimeEditor::setClicked, &editor,
        [this, &editor, address] { setFromEditor(editor, address); });
    editor.exec();
}

void ScheduleCommands::setFromEditor(ProgramTimeEditor& editor, const QByteArray& address)
{
    const LanguageTexts& t = m_parts.program.texts;
    const std::optional<double> start = typedStart(editor);
    if (!start)
        return;
    ScheduledProgram program {
        editor.programNameEdit->text(), editor.channelNameEdit->text(), *start, address};
    bool duplicate = false;
    if (!m_store.add(program, &duplicate)) {
        message(&editor, duplicate ? t.text(TextId::AlreadyScheduled) : m_store.lastError());
        return;
    }
    if (m_list)
        m_list->refill(m_store.programs());
    message(&editor, t.text(TextId::ProgramSaved));
}

bool ScheduleCommands::scheduleProgram(const ScheduledProgram& program, QString* whyNot)
{
    bool duplicate = false;
    if (!m_store.add(program, &duplicate)) {
        if (whyNot)
            *whyNot = duplicate ? m_parts.program.texts.text(TextId::AlreadyScheduled) : m_store.lastError();
        return false;
    }
    if (m_list)
        m_list->refill(m_store.programs());
    return true;
}

bool ScheduleCommands::isScheduled(const ScheduledProgram& program) const
{
    constexpr double kSecond = 1.0 / 86400;
    return std::any_of(
        m_store.programs().cbegin(), m_store.programs().cend(), [&program](const ScheduledProgram& p) {
            return p.programName.trimmed() == program.programName.trimmed()
                && p.channelAddress.trimmed() == program.channelAddress.trimmed()
                && std::abs(p.startTime - program.startTime) < kSecond;
        });
}

void ScheduleCommands::showScheduledPrograms()
{
    if (m_list) {
        m_list->raise();
        m_list->activateWindow();
        return;
    }
    m_list = new ScheduledListWindow(&m_parts.window, m_parts.window.chromeState(), m_parts.program.texts);
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
    ProgramTimeEditor editor(
        m_list, m_parts.window.chromeState(), m_parts.program.texts, m_parts.clock().date());
    editor.editExisting(index, program.programName, program.channelName, program.startTime);
    connect(
        &editor, &ProgramTimeEditor::modifyClicked, &editor, [this, &editor] { modifyFromEditor(editor); });
    editor.exec();
}

void ScheduleCommands::modifyFromEditor(ProgramTimeEditor& editor)
{
    const LanguageTexts& t = m_parts.program.texts;
    const int index = editor.editedIndex();
    if (index < 0 || index >= m_store.count())
        return;
    const std::optional<double> start = typedStart(editor);
    if (!start)
        return;
    ScheduledProgram program = m_store.programs()[index];
    program.programName = editor.programNameEdit->text();
    program.channelName = editor.channelNameEdit->text();
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
