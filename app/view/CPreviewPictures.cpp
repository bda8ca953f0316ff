#include "app/view/CPreviewPictures.h"

#include "app/view/CPreviewImages.h"

const QImage& CPreviewPictures::Source(const CurrentImage& image) {
    if (!m_source.Holds(image.sourceInfo, image.sourceBits)) {
        m_source = {true, image.sourceInfo, image.sourceBits, SourcePreviewImage(image)};
    }
    return m_source.m_picture;
}

const QImage& CPreviewPictures::Transfer(const CurrentImage& image) {
    if (!m_transfer.Holds(image.transferInfo, image.transferBits)) {
        m_transfer = {true, image.transferInfo, image.transferBits, TransferPreviewImage(image)};
    }
    return m_transfer.m_picture;
}
