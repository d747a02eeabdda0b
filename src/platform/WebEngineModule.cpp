#include "platform/WebEngineView.h"

#include <QQuickWindow>

// The one entry of the web engine module, which the program loads when it first needs a
// page (see WebModule.h).
extern "C" Q_DECL_EXPORT WebView* vidorraMakeWebView()
{
    return new WebEngineView;
}

// Pages composed in memory rather than through OpenGL, for a display whose OpenGL would only
// be emulated on the processor; the web engine then draws without OpenGL too. Called before
// the first page is made.
extern "C" Q_DECL_EXPORT void vidorraComposePagesInSoftware()
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}
