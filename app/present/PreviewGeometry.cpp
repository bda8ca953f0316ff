#include "app/present/PreviewGeometry.h"

#include <algorithm>

PreviewRect PreviewTargetRect(int frameWidth, int frameHeight, int imageWidth, int imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0 || frameWidth <= 2 || frameHeight <= 2) {
        return {1, 1, 0, 0};
    }
    int targetWidth = 0;
    int targetHeight = 0;
    if (imageWidth < imageHeight) {
        const double scale = static_cast<double>(frameHeight) / imageHeight;
        targetHeight = frameHeight;
        targetWidth = std::min(static_cast<int>(scale * imageWidth + 0.5), frameWidth);
    } else {
        const double scale = static_cast<double>(frameWidth) / imageWidth;
        targetWidth = frameWidth;
        targetHeight = std::min(static_cast<int>(scale * imageHeight + 0.5), frameHeight);
    }
    return {1, 1, std::max(targetWidth - 2, 0), std::max(targetHeight - 2, 0)};
}

PreviewRect PlaceholderRect(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight) {
    return {1, 1, std::clamp(pictureWidth, 0, std::max(frameWidth - 2, 0)),
            std::clamp(pictureHeight, 0, std::max(frameHeight - 2, 0))};
}
