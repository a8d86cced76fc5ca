#include "app/EditorApp.h"

#include "app/MainFrame.h"

CEditorApp::CEditorApp(int& argc, char** argv) : QApplication(argc, argv) {}

CEditorApp::~CEditorApp() = default;

bool CEditorApp::InitInstance()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    return true;
}
