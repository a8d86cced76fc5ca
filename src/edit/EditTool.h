#pragma once

// The drawing tools of the view.
enum EditTool : int {
    ToolLine = 0,
    ToolRectangle = 1,
    ToolFrame = 2,
    ToolPlot = 3,
    ToolFill = 4,
    ToolSetBall = 5,
};
