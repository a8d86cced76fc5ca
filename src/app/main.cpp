#include "app/EditorApp.h"

int main(int argc, char** argv)
{
    CEditorApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return CEditorApp::exec();
}
