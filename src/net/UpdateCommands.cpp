#include "net/UpdateCommands.h"

#include "catalogue/CatalogueFace.h"
#include "net/core/ServerAddress.h"
#include "platform/core/Shell.h"
#include "state/ProgramState.h"
#include "state/TextId.h"
#include "ui/MainWindow.h"
#include "ui/MessageQuestionWindow.h"
#include "ui/WaitingWindow.h"

#include <QEventLoop>
#include <QTimer>

UpdateCommands::UpdateCommands(Parts parts) : m_parts(std::move(parts))
{
    m_check = std::make_unique<UpdateCheck>(
        UpdateCheck::Parts {m_parts.transfer, m_parts.program.settings, m_parts.program.folder.root(),
            ServerAddress::root(), [this] { return m_parts.program.saveSettings(); }});
}

UpdateCommands::~UpdateCommands() = default;

void UpdateCommands::checkAtStartUp(WaitingWindow* notice, std::chrono::milliseconds budget)
{
    QEventLoop loop;
    bool ended = false;
    m_check->run(false, [&](const UpdateCheck::Result& result) {
        ended = true;
        checked(result, false);
        loop.quit();
    });
    if (ended)
        return;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(budget);
    if (notice) {
        notice->offerSkip(m_parts.program.texts.text(TextId::Cancel));
        QObject::connect(notice, &WaitingWindow::skipped, &loop, &QEventLoop::quit);
    }
    // Only the notice is on screen, so input can reach nothing but its button.
    loop.exec();
    if (!ended)
        m_check->abandon();
}

void UpdateCommands::updateLists()
{
    if (m_check->running())
        return;
    m_waiting = std::make_unique<WaitingWindow>(&m_parts.window, m_parts.window.isTopmost());
    m_waiting->showNotice(m_parts.program.texts.text(TextId::PleaseWait));
    m_parts.window.setEnabled(false);
    m_check->run(true, [this](const UpdateCheck::Result& result) {
        checked(result, true);
        m_parts.catalogue.reloadLists();
        m_waiting.reset();
        m_parts.window.setEnabled(true);
    });
}

void UpdateCommands::checked(const UpdateCheck::Result& result, bool forced)
{
    m_last = result;
    if (result.askAboutNewVersion && !forced)
        askAboutNewVersion();
}

void UpdateCommands::askAboutNewVersion()
{
    const LanguageTexts& t = m_parts.program.texts;
    MessageQuestionWindow question(nullptr, m_parts.window.chromeState());
    if (question.ask(t.text(TextId::NewVersion), t.text(TextId::Yes), t.text(TextId::No))
        == QStringLiteral("Yes"))
        m_parts.shell.open(ServerAddress::root());
}
