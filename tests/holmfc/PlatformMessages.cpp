#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler s_previousHandler = nullptr;

// The offscreen platform warns that it cannot grab the mouse or pass size hints on; Qt keeps
// track of the grab itself, which is what the tests look at.
void DropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

// Installed before main, so before the application object exists.
const bool s_filterInstalled = [] {
    s_previousHandler = qInstallMessageHandler(DropPlatformLimits);
    return true;
}();

} // namespace
