#include "cli/CDecoderModule.h"

#include <dlfcn.h>

#include <iostream>

#include "decode/DecoderModule.h"
#include "imaging/PictureFileNames.h"

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
    // Found through the program's run path: the build folder, or the installed library folder.
    m_handle = ::dlopen(kDecoderModuleName, RTLD_NOW | RTLD_LOCAL);
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
