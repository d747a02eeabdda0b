#pragma once

#include "net/core/UpdateCheck.h"

#include <QObject>

#include <chrono>

#include <memory>

class CatalogueFace;
class MainWindow;
struct ProgramState;
class Shell;
class Transfer;
class WaitingWindow;

// UpdateInternet at start-up and the Update lists command: the check, the new-version
// question, and for the command the lists read again and the tree rebuilt.
class UpdateCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateCommands)
public:
    struct Parts {
        ProgramState& program;
        MainWindow& window;
        CatalogueFace& catalogue;
        Transfer& transfer;
        Shell& shell;
    };

    explicit UpdateCommands(Parts parts);
    ~UpdateCommands() override;

    // The unforced check of start-up; returns once it has ended, or once `budget` has
    // passed or the user pressed the notice's skip button, whichever comes first; the
    // check is then abandoned with what it stored so far. The notice paints meanwhile.
    void checkAtStartUp(WaitingWindow* notice, std::chrono::milliseconds budget = kStartUpBudget);

    static constexpr std::chrono::milliseconds kStartUpBudget {10000};
    // updateListsAction: a forced check behind the please-wait notice, then the lists again.
    void updateLists();

    const UpdateCheck::Result& lastResult() const { return m_last; }

private:
    void checked(const UpdateCheck::Result& result, bool forced);
    void askAboutNewVersion();

    Parts m_parts;
    std::unique_ptr<UpdateCheck> m_check;
    std::unique_ptr<WaitingWindow> m_waiting;
    UpdateCheck::Result m_last;
};
