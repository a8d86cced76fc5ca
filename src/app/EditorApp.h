#pragma once
#include <QApplication>

#include <memory>

class CMainFrame;

// The application object: language, settings location, the main frame and the command line.
class CEditorApp : public QApplication {
    Q_OBJECT
public:
    CEditorApp(int& argc, char** argv);
    ~CEditorApp() override;

    // Starts the editor; false ends the application.
    bool InitInstance();
    CMainFrame* GetMainFrame() const { return m_frame.get(); }

private:
    std::unique_ptr<CMainFrame> m_frame;
};
