#include "platform/MpvLibrary.h"

#include <QLibrary>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcMpvLibrary, "vidorra.mpv")

namespace {

template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

bool resolveAll(QLibrary& library, MpvLibrary& mpv)
{
    return resolve(library, "mpv_create", mpv.create) && resolve(library, "mpv_initialize", mpv.initialize)
        && resolve(library, "mpv_terminate_destroy", mpv.terminateDestroy)
        && resolve(library, "mpv_set_option_string", mpv.setOptionString)
        && resolve(library, "mpv_set_property_string", mpv.setPropertyString)
        && resolve(library, "mpv_get_property_string", mpv.getPropertyString)
        && resolve(library, "mpv_get_property_async", mpv.getPropertyAsync)
        && resolve(library, "mpv_free", mpv.free)
        && resolve(library, "mpv_observe_property", mpv.observeProperty)
        && resolve(library, "mpv_set_wakeup_callback", mpv.setWakeupCallback)
        && resolve(library, "mpv_wait_event", mpv.waitEvent) && resolve(library, "mpv_command", mpv.command)
        && resolve(library, "mpv_command_async", mpv.commandAsync)
        && resolve(library, "mpv_error_string", mpv.errorString)
        && resolve(library, "mpv_render_context_create", mpv.renderContextCreate)
        && resolve(library, "mpv_render_context_set_update_callback", mpv.renderContextSetUpdateCallback)
        && resolve(library, "mpv_render_context_render", mpv.renderContextRender)
        && resolve(library, "mpv_render_context_free", mpv.renderContextFree);
}

} // namespace

const MpvLibrary* MpvLibrary::get()
{
    static const MpvLibrary* loaded = []() -> const MpvLibrary* {
        // The library of the client API the program was built against, kept to the end.
        static QLibrary library(QStringLiteral("mpv"), MPV_CLIENT_API_VERSION >> 16);
        static MpvLibrary mpv;
        if (resolveAll(library, mpv))
            return &mpv;
        qCWarning(lcMpvLibrary) << "the media engine could not be loaded:" << library.errorString();
        return nullptr;
    }();
    return loaded;
}
