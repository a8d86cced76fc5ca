#pragma once
#include "solve/Shot.h"

#include <QImage>

#include <vector>

class CLevel;
class CRasterImage;
class CViewGeometry;

// A QImage over the raster image's own pixels: what a QPainter paints on it lands in them.
QImage WrapRasterImage(CRasterImage& image);

// Lines of the overlays at pixelRatio device pixels a pixel: as near two device pixels wide as
// whole pixels allow, at least one pixel.
int GetOverlayLineWidth(double pixelRatio);

// Draws a solution over the level picture that the geometry places: each shot's path through
// the ball's centres, magenta where the centre lay on wall ground (the shot passed through a wall),
// and each shot's number in a disc beside where it starts, on the side the ball leaves from.
void DrawSolution(CRasterImage& image, const CLevel& level, const std::vector<CPlayedShot>& shots,
                  const CViewGeometry& geometry, double pixelRatio);
