#include "app/Application.h"

#include "platform/DbusNotifier.h"
#include "platform/DesktopShell.h"
#include "platform/FileDialog.h"
#include "platform/LogindPower.h"
#include "platform/MprisService.h"
#include "platform/MpvPlayer.h"
#include "platform/QtFileDialog.h"
#include "platform/SystemTrayIcon.h"
#include "platform/WebModule.h"
#include "platform/core/HttpTransfer.h"
#include "platform/core/LockFileInstanceGuard.h"
#include "platform/core/PowerControl.h"
#include "state/ProgramFolder.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {

// The types the launcher entry says the program opens.
QStringList openedMediaTypes()
{
    return QStringLiteral("video/mp4 video/x-matroska video/webm video/mpeg video/quicktime video/x-msvideo "
                          "video/x-ms-wmv video/x-flv video/mp2t video/ogg audio/mpeg audio/mp4 audio/aac "
                          "audio/ogg audio/flac audio/x-wav audio/x-ms-wma audio/x-mpegurl audio/mpegurl "
                          "application/vnd.apple.mpegurl application/x-mpegurl")
        .split(QLatin1Char(' '));
}

} // namespace

PlatformServices makeRealServices(const ProgramFolder& folder, std::function<void()> showMainWindow)
{
    PlatformServices services;
    services.transfer = std::make_unique<HttpTransfer>();
    services.instanceGuard = std::make_unique<LockFileInstanceGuard>(folder.root());
    services.shell = std::make_unique<DesktopShell>();
    services.tray = std::make_unique<SystemTrayIcon>(std::move(showMainWindow));
    services.fileDialog = std::make_unique<QtFileDialog>();
    services.media = std::make_unique<MpvPlayer>(MpvPlayer::Options {});
    services.makeWebView = &WebModule::makeView;
    services.notifier = std::make_unique<DbusNotifier>();
    services.power = std::make_unique<LogindPower>();
    services.clock = [] { return QDateTime::currentDateTime(); };
    services.mediaControls = std::make_unique<MprisService>(MprisService::Identity {QStringLiteral("Vidorra"),
        QStringLiteral("example.vidorra.Vidorra"), openedMediaTypes()});
    services.endProgram = [] {
        // Queued, so it also ends a program whose event loop has not started yet.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        QCoreApplication::exit(0);
    };
    return services;
}
