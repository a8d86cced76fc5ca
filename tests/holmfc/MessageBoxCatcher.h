#pragma once
#include <QMessageBox>
#include <QString>

#include <functional>

// What the message boxes shown during an action showed; the last one's contents.
struct CShownMessage {
    int count = 0;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Runs action, answering every modal message box it shows with its OK (or Escape) button.
CShownMessage CatchMessageBoxes(const std::function<void()>& action);
