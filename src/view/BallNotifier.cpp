#include "view/BallNotifier.h"

#include "view/EditorView.h"
#include "view/TestMode.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcBall, "quorvale.ball", QtWarningMsg)

} // namespace

CBallNotifier::CBallNotifier(CEditorView& view) : m_view(&view)
{
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &m_receiver, [this] { m_quitting = true; });
}

void CBallNotifier::OnBallNotify(int id, int code)
{
    QMetaObject::invokeMethod(
        &m_receiver,
        [this, id, code] {
            if (m_view)
                CTestMode(*m_view).OnBallNotify(id, code);
        },
        Qt::BlockingQueuedConnection);
}

bool CBallNotifier::PumpEvents()
{
    // Input stays queued: a command run from inside the wait could start or stop the ball again.
    if (m_view)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    else
        QCoreApplication::sendPostedEvents(&m_receiver, QEvent::MetaCall);
    return !m_quitting && !QCoreApplication::closingDown();
}

void CBallNotifier::OnBallTrace(const std::string& line)
{
    qCDebug(lcBall, "%s", line.c_str());
}
