#include "base/StartUpMarks.h"

#include <QLoggingCategory>

#include <chrono>

#include <sys/resource.h>

Q_LOGGING_CATEGORY(lcStartUp, "vidorra.startup", QtWarningMsg)

namespace StartUpMarks {

void mark(const char* what)
{
    if (!lcStartUp().isDebugEnabled())
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    qCDebug(lcStartUp).noquote().nospace()
        << what << '|' << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << '|'
        << usage.ru_minflt;
}

} // namespace StartUpMarks
