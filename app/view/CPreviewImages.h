#pragma once

#include <QImage>

struct CurrentImage;

// The two pictures of the current image for the previews, decoded from the bitmaps exactly
// as they were read (palette, masks and run-length data included). A null image when the
// pixel block is absent or cannot be drawn.
QImage SourcePreviewImage(const CurrentImage& image);
QImage TransferPreviewImage(const CurrentImage& image);
