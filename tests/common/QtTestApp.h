#pragma once
#include "app/EditorApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The offscreen platform warns that it cannot grab the mouse or pass size hints on; Qt keeps track
// of the grab itself, which is what the tests look at. Installed before main, so before the
// application object exists.
inline const QtMessageHandler g_previousMessageHandler = qInstallMessageHandler(
    [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")) && g_previousMessageHandler)
            g_previousMessageHandler(type, context, message);
    });

// The application object of the GUI tests: offscreen, with the settings and the state folder in a
// temporary folder.
class CQtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
        // Earlier versions and recovery copies go there too, never to the user's state folder.
        qputenv("XDG_STATE_HOME", (m_config->path() + QStringLiteral("/state")).toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config->path());
        static int argc = 1;
        static char name[] = "gui-test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<CEditorApp>(argc, argv);
        StartModalWatchdog();
    }
    void TearDown() override
    {
        m_watchdog.reset();
        m_app.reset();
        m_config.reset();
    }

private:
    // A modal dialog or message box that no test answers would wait for input until CTest's
    // time-out ends the whole binary without a word. One left open this long fails the running
    // test, says what it was, and is closed so that the code under test can go on.
    void StartModalWatchdog()
    {
        m_watchdog = std::make_unique<QTimer>();
        m_watchdog->setInterval(1000);
        QObject::connect(m_watchdog.get(), &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != m_modal) {
                m_modal = modal;
                m_modalSeconds = 0;
                return;
            }
            if (!modal || ++m_modalSeconds < kPatienceSeconds)
                return;
            QString text = modal->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                text += QStringLiteral(": ") + box->text();
            ADD_FAILURE() << "a " << modal->metaObject()->className() << " stayed open unanswered for "
                          << kPatienceSeconds << " s (" << text.toStdString() << ")";
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        m_watchdog->start();
    }

    static constexpr int kPatienceSeconds = 30;

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<CEditorApp> m_app;
    std::unique_ptr<QTimer> m_watchdog;
    QPointer<QWidget> m_modal;
    int m_modalSeconds = 0;
};

inline ::testing::Environment* const g_qtTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new CQtTestEnvironment);

// A mouse event sent straight to the widget as the window system's come on a scaled screen: the
// point, which may lie between pixels, exact in the window and rounded to whole pixels in the
// widget; a press holds the button.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPointF point, Qt::MouseButton button = Qt::NoButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent event(type, point.toPoint(), widget->mapTo(widget->window(), point), widget->mapToGlobal(point),
                      button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// While it lives, runs the action on the next modal widget (message box or dialog) that the code
// under test opens; the widget is handed over once it is shown.
class CModalHandler {
public:
    explicit CModalHandler(std::function<void(QWidget*)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_timer.stop();
                m_shown = true;
                m_action(modal);
            }
        });
        m_timer.start();
    }
    CModalHandler(const CModalHandler&) = delete;
    CModalHandler& operator=(const CModalHandler&) = delete;

    bool WasShown() const { return m_shown; }

private:
    std::function<void(QWidget*)> m_action;
    QTimer m_timer;
    bool m_shown = false;
};

// A CModalHandler action for a message box: answered with the button, its text kept in text.
inline std::function<void(QWidget*)> Answer(QMessageBox::StandardButton button, QString* text = nullptr)
{
    return [button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        if (text)
            *text = box->text();
        box->button(button)->click();
    };
}
