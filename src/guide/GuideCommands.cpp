#include "guide/GuideCommands.h"

#include "catalogue/CatalogueFace.h"
#include "catalogue/core/Catalogue.h"
#include "guide/GuideNowPanel.h"
#include "guide/GuideTexts.h"
#include "guide/GuideWindow.h"
#include "schedule/ScheduleFace.h"
#include "schedule/core/DayNumber.h"
#include "schedule/core/ScheduleFile.h"
#include "state/ProgramState.h"
#include "state/TextId.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"

#include <QInputDialog>

GuideCommands::GuideCommands(Parts parts)
    : m_parts(std::move(parts)),
      m_library({m_parts.program.folder.root(), m_parts.transfer, m_parts.vendorGuide, m_parts.clock}),
      m_panel(new GuideNowPanel)
{
    m_parts.window.addInformationRow(m_panel);
    m_panelTimer.setObjectName(QStringLiteral("GuideNowTimer"));
    m_panelTimer.setInterval(1000);
    connect(&m_panelTimer, &QTimer::timeout, this, &GuideCommands::updatePanel);
    connect(&m_library, &GuideLibrary::changed, this, [this] {
        m_panelShows.clear();
        updatePanel();
    });
    m_parts.catalogue.setToolTipSource([this](ItemKey item) { return toolTipFor(item); });
    connect(&m_library, &GuideLibrary::fetched, this, [this](const QString& source, const QString& error) {
        if (source != m_askedSource)
            return;
        m_askedSource.clear();
        if (!error.isEmpty())
            message(QStringLiteral("The programme guide %1 could not be read: %2").arg(source, error));
    });
}

GuideCommands::~GuideCommands()
{
    m_parts.catalogue.setToolTipSource({});
    delete m_guideWindow;
}

void GuideCommands::start()
{
    m_library.start();
    m_panelTimer.start();
}

void GuideCommands::refreshAll() { m_library.refreshAll(); }

GuideWindow* GuideCommands::guideWindow() const { return m_guideWindow; }

std::optional<GuideCommands::Channel> GuideCommands::channelOf(ItemKey item) const
{
    const Catalogue& catalogue = m_parts.catalogue.catalogue();
    const ChannelRecord* record = item.kind == ItemKey::Kind::Channel ? catalogue.channel(item.index)
        : item.kind == ItemKey::Kind::Favorite                        ? catalogue.favorite(item.index)
                                                                      : nullptr;
    if (!record || record->kind == ChannelRecord::MovieStore || record->kind == ChannelRecord::ComputerFile)
        return std::nullopt;
    return Channel {record->name, record->address.toByteArray(), record->kind == ChannelRecord::Tv};
}

std::optional<int> GuideCommands::guideChannelOf(const Channel& channel) const
{
    return m_library.table()->channelFor(m_library.guideIdOf(channel.address), channel.name);
}

void GuideCommands::updatePanel()
{
    const std::optional<ItemKey> item = m_parts.catalogue.selectedItem();
    const qint64 now = nowUtc();
    const QString shows = (item ? item->text() : QString()) + QLatin1Char('@') + QString::number(now / 60);
    if (shows == m_panelShows)
        return;
    m_panelShows = shows;
    const std::optional<Channel> channel = item ? channelOf(*item) : std::nullopt;
    const std::optional<int> guided = channel ? guideChannelOf(*channel) : std::nullopt;
    if (!guided) {
        m_panel->showNothing();
        return;
    }
    const std::shared_ptr<const GuideTable> table = m_library.table();
    m_panel->showNowNext(*table, table->nowNext(*guided, now), now);
}

QString GuideCommands::toolTipFor(ItemKey item) const
{
    const std::optional<Channel> channel = channelOf(item);
    if (!channel || !channel->television)
        return {};
    const std::optional<int> guided = guideChannelOf(*channel);
    if (!guided)
        return {};
    const std::shared_ptr<const GuideTable> table = m_library.table();
    const GuideTable::NowNext at = table->nowNext(*guided, nowUtc());
    return at.now ? QStringLiteral("On now: ") + GuideTexts::span(*table, *at.now) : QString();
}

void GuideCommands::showGuideOfSelected()
{
    const std::optional<ItemKey> item = m_parts.catalogue.selectedItem();
    const std::optional<Channel> channel = item ? channelOf(*item) : std::nullopt;
    const std::optional<int> guided = channel ? guideChannelOf(*channel) : std::nullopt;
    if (!guided) {
        message(channel ? QStringLiteral("There is no programme guide for %1.").arg(channel->name)
                        : QStringLiteral("Select a channel to see its programme guide."));
        return;
    }
    if (!m_guideWindow) {
        m_guideWindow = new GuideWindow(&m_parts.window);
        m_guideWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_guideWindow, &GuideWindow::remindRequested, this,
            [this](const GuideTable::Programme* programme) {
                QString whyNot;
                if (remind(*programme, &whyNot))
                    m_guideWindow->refreshBells();
                else
                    message(whyNot);
            });
    }
    m_windowChannel = channel;
    const ScheduleFace& schedule = m_parts.schedule;
    const QByteArray address = channel->address;
    const std::shared_ptr<const GuideTable> table = m_library.table();
    m_guideWindow->fill(
        channel->name, table, *guided, nowUtc(), [&schedule, table, address](const GuideTable::Programme& p) {
            return schedule.isScheduled(
                {ScheduleFile::fittingText(table->text(p.title), ScheduleFile::kNameBytes), {},
                    DayNumber::fromDateTime(GuideTexts::local(p.start)), address});
        });
    m_guideWindow->show();
    m_guideWindow->raise();
    m_guideWindow->activateWindow();
}

// The programme becomes a scheduled program as the time editor would make it: its title
// as the name, the channel's name and address, its start in local time.
bool GuideCommands::remind(const GuideTable::Programme& programme, QString* whyNot)
{
    if (!m_windowChannel || !m_guideWindow)
        return false;
    const std::shared_ptr<const GuideTable> table = m_library.table();
    const ScheduledProgram program {
        ScheduleFile::fittingText(table->text(programme.title), ScheduleFile::kNameBytes),
        ScheduleFile::fittingText(m_windowChannel->name, ScheduleFile::kChannelBytes),
        DayNumber::fromDateTime(GuideTexts::local(programme.start)), m_windowChannel->address};
    return m_parts.schedule.scheduleProgram(program, whyNot);
}

void GuideCommands::addSource()
{
    bool ok = false;
    const QString source = QInputDialog::getText(&m_parts.window, QStringLiteral("Add Guide Source"),
        QStringLiteral("The address (http or https) or the file of an XMLTV programme guide:"),
        QLineEdit::Normal, QString(), &ok);
    if (!ok || source.trimmed().isEmpty())
        return;
    QString why;
    m_askedSource = GuideLibrary::normalSource(source);
    if (!m_library.addSource(source, &why)) {
        m_askedSource.clear();
        message(QStringLiteral("The guide could not be added: ") + why);
    }
}

void GuideCommands::takePlaylistHints(const QStringList& guides, const QHash<QByteArray, QString>& guideIds)
{
    m_library.noteGuideIds(guideIds);
    for (const QString& guide : guides)
        m_library.addSource(guide, nullptr);
    m_panelShows.clear();
}

void GuideCommands::message(const QString& text) const
{
    QWidget* owner = m_guideWindow ? static_cast<QWidget*>(m_guideWindow) : &m_parts.window;
    WaitingWindow box(owner, m_parts.window.isTopmost());
    box.showMessage(text, m_parts.program.texts.text(TextId::Ok));
}
