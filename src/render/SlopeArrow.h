#pragma once

class CDeviceContext;

// A V-shaped arrow head centred at (cx, cy) whose tip points in the slope direction of a
// material rotation (0 east, 2 north, 4 west, 6 south), drawn with the stock black pen, which
// stays selected. Rotation 8 (flat) draws nothing.
void DrawSlopeArrow(CDeviceContext& dc, int cx, int cy, double radius, int rotation);
