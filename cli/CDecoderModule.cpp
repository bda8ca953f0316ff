#include "cli/CDecoderModule.h"

#include <dlfcn.h>

#include <iostream>
#include <system_error>
#include <vector>

#include "decode/DecoderModule.h"
#include "imaging/PictureFileNames.h"

namespace {

// Where the module may be, by full path first: a search by name follows the run path of the
// caller of dlopen, which is not the program when a sanitizer's runtime intercepts the call.
std::vector<std::filesystem::path> ModuleCandidates() {
    std::vector<std::filesystem::path> candidates;
#if defined(STAMPIX_DECODER_INSTALL_DIR) && defined(STAMPIX_DECODER_BUILD_DIR)
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        candidates.push_back(program.parent_path() / STAMPIX_DECODER_INSTALL_DIR /
                             kDecoderModuleName);
    }
    candidates.push_back(std::filesystem::path(STAMPIX_DECODER_BUILD_DIR) / kDecoderModuleName);
#endif
    candidates.push_back(kDecoderModuleName);  // through the run path
    return candidates;
}

}  // namespace

CDecoderModule::~CDecoderModule() {
    m_decoder.reset();
    // The module stays loaded: Qt's objects may live until the process ends.
}

bool CDecoderModule::Handles(const std::filesystem::path& path) const {
    return IsPictureFileName(path);
}

IImageDecoder* CDecoderModule::Loaded() {
    if (m_tried) return m_decoder.get();
    m_tried = true;
    for (const std::filesystem::path& candidate : ModuleCandidates()) {
        m_handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (m_handle != nullptr) break;
    }
    if (m_handle == nullptr) {
        std::cerr << "stampix-cli: pictures other than BMP cannot be read: " << ::dlerror() << '\n';
        return nullptr;
    }
    using Create = IImageDecoder* (*)();
    const auto create = reinterpret_cast<Create>(::dlsym(m_handle, kDecoderModuleEntry));
    if (create != nullptr) m_decoder.reset(create());
    return m_decoder.get();
}

DecodeOutcome CDecoderModule::Decode(const std::filesystem::path& path,
                                     const ImageDecodeRequest& request, IRgbaRowSink& sink) {
    IImageDecoder* decoder = Loaded();
    if (decoder == nullptr) return DecodeOutcome::Unreadable;
    return decoder->Decode(path, request, sink);
}

std::string CDecoderModule::Reason() const {
    return m_decoder ? m_decoder->Reason() : std::string();
}
