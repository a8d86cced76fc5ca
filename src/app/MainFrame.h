#pragma once
#include <QMainWindow>

// The editor's main window.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
};
