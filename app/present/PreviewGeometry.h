#pragma once

// Where a preview picture goes inside its frame.

struct PreviewRect {
    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
    bool operator==(const PreviewRect&) const = default;
};

// The rectangle an image of imageWidth x imageHeight is stretched into inside a frame
// whose client area is frameWidth x frameHeight: the image is fitted with its proportions
// kept (a taller image to the frame's height, any other to its width), and drawn at (1, 1)
// two pixels smaller than that fit. A 200 x 100 image in a 132 x 144 frame gives
// (1, 1, 130, 64). Empty (zero size) for an image without pixels or a frame too small.
PreviewRect PreviewTargetRect(int frameWidth, int frameHeight, int imageWidth, int imageHeight);

// The part of an unscaled picture shown at (1, 1): clipped to the frame less its outline.
PreviewRect PlaceholderRect(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight);
