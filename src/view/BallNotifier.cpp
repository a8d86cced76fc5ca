#include "view/BallNotifier.h"

#include "view/TestMode.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>

#include <chrono>
#include <thread>

namespace {

Q_LOGGING_CATEGORY(lcBall, "quorvale.ball", QtWarningMsg)

} // namespace

CBallNotifier::CBallNotifier(CTestMode& testMode) : m_testMode(&testMode)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_quitting = true; });
}

void CBallNotifier::OnBallNotify(int id, int code)
{
    // The call carries no data of its own: what it needs is in atomics, which the ball thread
    // writes before it waits.
    m_id = id;
    m_code = code;
    QMetaObject::invokeMethod(this, "Deliver", Qt::BlockingQueuedConnection);
}

void CBallNotifier::Deliver()
{
    if (m_testMode)
        m_testMode->OnBallNotify(m_code);
}

bool CBallNotifier::PumpEvents()
{
    // Input stays queued: a command run from inside the wait could start or stop the ball again.
    bool handled = false;
    if (m_testMode) {
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
            handled = dispatcher->processEvents(QEventLoop::ExcludeUserInputEvents);
    } else {
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    // With nothing to handle, leave the processor to the ball thread for a moment rather than
    // spin: on a busy machine it is the ball thread that must run for the wait to end.
    if (!handled)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    return !m_quitting && !QCoreApplication::closingDown();
}

void CBallNotifier::OnBallTrace(const std::string& line)
{
    qCDebug(lcBall, "%s", line.c_str());
}
