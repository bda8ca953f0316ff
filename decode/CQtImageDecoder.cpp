#include "decode/CQtImageDecoder.h"

#include <QGuiApplication>

#include "decode/CWarningWatch.h"
#include "imaging/PictureFileNames.h"

namespace {

void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 3;
    static char name[] = "stampix";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // A terminal session without a runtime folder is normal for a command line; Qt's note
    // about it would only confuse the operator.
    CWarningWatch quiet("XDG_RUNTIME_DIR not set");
    static QGuiApplication application(argc, argv);
}

}  // namespace

bool CQtImageDecoder::Handles(const std::filesystem::path& path) const {
    return IsPictureFileName(path);
}

DecodeOutcome CQtImageDecoder::Decode(const std::filesystem::path& path,
                                      const ImageDecodeRequest& request, IRgbaRowSink& sink) {
    EnsureApplication();
    if (IsVectorPictureFileName(path)) return m_svg.Decode(path, request, sink);
    return m_raster.Decode(path, sink);
}
