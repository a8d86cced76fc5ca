#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

QtMessageHandler s_previousHandler = nullptr;

// The offscreen platform warns that it cannot grab the mouse or pass size hints on; Qt keeps
// track of the grab itself, which is what the tests look at.
void DropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    s_previousHandler(type, context, message);
}

// One application object for every test of the binary, on the offscreen platform unless the
// caller chose another.
class CQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        s_previousHandler = qInstallMessageHandler(DropPlatformLimits);
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[12] = "test_holmfc";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

const ::testing::Environment* const s_environment = ::testing::AddGlobalTestEnvironment(new CQtEnvironment);

} // namespace
