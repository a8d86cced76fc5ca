#include "app/MainFrame.h"

CMainFrame::CMainFrame() = default;
