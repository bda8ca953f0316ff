#include "imaging/CLogoFileReader.h"

#include "imaging/BitmapLoader.h"
#include "imaging/DecodedImageLoader.h"
#include "imaging/LogoDataFile.h"

LogoFileKind CLogoFileReader::Kind(const std::filesystem::path& path) const {
    const LogoFileKind kind = KindOfLogoFile(path);
    if (kind == LogoFileKind::Unsupported && m_decoder != nullptr && m_decoder->Handles(path)) {
        return LogoFileKind::Picture;
    }
    return kind;
}

bool CLogoFileReader::Load(const std::filesystem::path& path, CurrentImage& image,
                           IOperator& op) const {
    switch (Kind(path)) {
        case LogoFileKind::Bitmap:
            return LoadBitmapFile(path, image, op);
        case LogoFileKind::LogoData:
            return LoadLogoDataFile(path, image, op);
        case LogoFileKind::Picture:
            return LoadDecodedImage(path, *m_decoder, m_request, image, op);
        case LogoFileKind::Unsupported:
            break;
    }
    return false;
}
