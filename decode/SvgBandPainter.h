#pragma once

#include <QImage>
#include <QRectF>

class QSvgRenderer;

// How many rows a band of an SVG picture `width` dots wide holds: as many as fit in 64 MB
// (at least 256), so that a large picture is drawn a few times at most, since every band
// draws the whole document again, clipped.
int SvgRowsPerBand(int width, int height);

// Rows [top, top + rows) of the document drawn into `bounds` of a picture `width` dots wide,
// on white, anti-aliased, as RGBA; a null image when there is no memory for it.
QImage PaintSvgBand(QSvgRenderer& renderer, const QRectF& bounds, int width, int top, int rows);
