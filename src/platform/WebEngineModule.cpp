#include "platform/WebEngineView.h"

// The one entry of the web engine module, which the program loads when it first needs a
// page (see WebModule.h).
extern "C" Q_DECL_EXPORT WebView* vidorraMakeWebView()
{
    return new WebEngineView;
}
