#pragma once

#include "catalogue/core/ItemKey.h"
#include "guide/core/GuideLibrary.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class CatalogueFace;
class GuideNowPanel;
class GuideWindow;
class MainWindow;
class ScheduleFace;
class Transfer;
struct ProgramState;

// The programme guide in the program: what is on now and next for the selected channel,
// in the information panel and the tree's tooltips; the Guide window of a channel with
// "Remind me"; the guide sources, fetched in the background and on Update lists.
class GuideCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuideCommands)
public:
    struct Parts {
        const ProgramState& program;
        MainWindow& window;
        CatalogueFace& catalogue;
        ScheduleFace& schedule;
        Transfer& transfer;
        QUrl vendorGuide;
        std::function<QDateTime()> clock;
    };

    explicit GuideCommands(Parts parts);
    ~GuideCommands() override;

    // Reads the guides kept and fetches the stale ones; nothing waits for them.
    void start();
    void refreshAll();
    // The Guide window of the channel or favorite selected in the tree.
    void showGuideOfSelected();
    // Asks for a guide's address or file and adds it.
    void addSource();
    // A playlist's guides and the guide ids of its channels.
    void takePlaylistHints(const QStringList& guides, const QHash<QByteArray, QString>& guideIds);
    // Schedules a programme of the channel the Guide window shows; false with why not.
    bool remind(const GuideTable::Programme& programme, QString* whyNot);

    GuideLibrary& library() { return m_library; }
    GuideNowPanel& panel() { return *m_panel; }
    GuideWindow* guideWindow() const;
    // What the panel shows now for the selected item; called by its timer.
    void updatePanel();
    // "On now: ..." for a TV channel or favorite with a guide; empty for anything else.
    QString toolTipFor(ItemKey item) const;

private:
    struct Channel {
        QString name;
        QByteArray address;
        bool television = false;
    };
    std::optional<Channel> channelOf(ItemKey item) const;
    std::optional<int> guideChannelOf(const Channel& channel) const;
    qint64 nowUtc() const { return m_parts.clock().toSecsSinceEpoch(); }
    void message(const QString& text) const;

    Parts m_parts;
    GuideLibrary m_library;
    GuideNowPanel* m_panel;
    QTimer m_panelTimer;
    QString m_panelShows; // the item the panel was last filled for, and the minute
    QPointer<GuideWindow> m_guideWindow;
    QString m_askedSource; // the source the user just added: how its fetch ends is told
    std::optional<Channel> m_windowChannel;
};
