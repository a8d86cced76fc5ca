#pragma once

class CDeviceContext;
class CEditingSession;

// What edit mode draws over the level: the current block and its material samples with their
// slope arrows, the two palettes, the ball's start position and the rubber band of a Line,
// Rectangle or Frame drag.
void DrawEditOverlay(CDeviceContext& dc, const CEditingSession& session);
