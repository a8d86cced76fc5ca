#include "MessageBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

CShownMessage CatchMessageBoxes(const std::function<void()>& action)
{
    CShownMessage shown;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        ++shown.count;
        shown.text = box->text();
        shown.icon = box->icon();
        shown.buttons = box->standardButtons();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    poll.start();
    action();
    return shown;
}
