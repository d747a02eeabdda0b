#include "platform/GlobalShareContext.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QSurfaceFormat>

Q_LOGGING_CATEGORY(lcShareContext, "vidorra.opengl")

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt warns that the setting belongs before the application is made; it is read only when
// contexts are made, so set now it holds for all that follow.
void withoutLateSettingWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("AA_ShareOpenGLContexts")))
        previousHandler(type, context, message);
}

void shareEveryContext()
{
    previousHandler = qInstallMessageHandler(&withoutLateSettingWarning);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previousHandler);
}

QOpenGLContext* named()
{
    if (QOpenGLContext* existing = qt_gl_global_share_context())
        return existing;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->setFormat(QSurfaceFormat::defaultFormat());
    qt_gl_set_global_share_context(context);
    shareEveryContext();
    return context;
}

} // namespace

namespace GlobalShareContext {

void ensure()
{
    QOpenGLContext* context = named();
    if (!context->isValid() && !context->create())
        qCWarning(lcShareContext) << "no OpenGL context to share";
}

void ensureNamed() { named(); }

} // namespace GlobalShareContext
