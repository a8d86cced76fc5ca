#include "app/EditorApp.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Help and version need no window, so they are answered before Qt looks for a display.
    if (CEditorApp::PrintInfoOption(std::vector<std::string>(argv + 1, argv + argc), std::cout))
        return std::cout.flush() ? 0 : 1;
    CEditorApp app(argc, argv);
    if (!app.InitInstance(app.GetArguments()))
        return 1;
    return CEditorApp::exec();
}
