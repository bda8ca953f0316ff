#include "decode/CQtImageDecoder.h"

#include <stdlib.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "decode/CStderrCapture.h"
#include "decode/CWarningWatch.h"
#include "imaging/PictureFileNames.h"

namespace {

// A terminal session without a runtime folder is normal for a command line. Qt would then
// make "runtime-<user>" in the temporary folder and leave it there; a private folder of the
// process's own is made instead, and removed when the process ends.
class CRuntimeFolder {
  public:
    CRuntimeFolder() {
        const char* given = std::getenv("XDG_RUNTIME_DIR");
        if (given != nullptr && *given != '\0') return;
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern =
            std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/stampix-runtime-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) return;  // Qt then says why itself
        m_path = pattern;
        ::setenv("XDG_RUNTIME_DIR", m_path.c_str(), 1);
    }
    ~CRuntimeFolder() {
        std::error_code ignored;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
    }
    CRuntimeFolder(const CRuntimeFolder&) = delete;
    CRuntimeFolder& operator=(const CRuntimeFolder&) = delete;

  private:
    std::filesystem::path m_path;
};

void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 3;
    static char name[] = "stampix";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Made before the application, so removed after it.
    static CRuntimeFolder runtimeFolder;
    CWarningWatch quiet;  // start-up notes are no business of the operator's
    static QGuiApplication application(argc, argv);
}

}  // namespace

bool CQtImageDecoder::Handles(const std::filesystem::path& path) const {
    return IsPictureFileName(path);
}

DecodeOutcome CQtImageDecoder::Decode(const std::filesystem::path& path,
                                      const ImageDecodeRequest& request, IRgbaRowSink& sink) {
    EnsureApplication();
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly)) {
        m_reason = "ファイルを開けません。";
        return DecodeOutcome::Unreadable;
    }
    return DecodeFrom(file, IsVectorPictureFileName(path), request, sink);
}

DecodeOutcome CQtImageDecoder::DecodeBytes(std::span<const std::uint8_t> bytes,
                                           const std::filesystem::path& name,
                                           const ImageDecodeRequest& request, IRgbaRowSink& sink) {
    EnsureApplication();
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return DecodeFrom(buffer, IsVectorPictureFileName(name), request, sink);
}

DecodeOutcome CQtImageDecoder::DecodeFrom(QIODevice& device, bool vector,
                                          const ImageDecodeRequest& request, IRgbaRowSink& sink) {
    m_reason.clear();
    std::string refusal;
    DecodeOutcome outcome;
    CWarningWatch warnings;
    CStderrCapture printed;  // libpng and libtiff write their errors there themselves
    if (vector) {
        outcome = m_svg.Decode(device, request, sink, refusal);
    } else {
        outcome = m_raster.Decode(device, request, sink, refusal);
    }
    printed.Release();
    if (outcome != DecodeOutcome::Decoded) {
        std::string said = warnings.Collected();
        if (!printed.Text().empty()) said += (said.empty() ? "" : "; ") + printed.Text();
        m_reason = refusal + (refusal.empty() || said.empty() ? "" : " ") + said;
    }
    return outcome;
}
