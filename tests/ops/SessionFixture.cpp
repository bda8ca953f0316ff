#include "SessionFixture.h"

#include <cstdlib>

SessionFixture::SessionFixture() {
    const char* old = std::getenv("TMPDIR");
    m_oldTmpdir = old ? old : "";
    setenv("TMPDIR", m_tmpdir.Path().c_str(), 1);
    auto link = std::make_unique<CSimLink>(m_model);
    m_link = link.get();
    m_session = std::make_unique<CLogoSession>(m_op, std::move(link));
    m_session->m_portName = "/dev/virtual-printer";
}

SessionFixture::~SessionFixture() {
    m_session.reset();
    if (m_oldTmpdir.empty()) {
        unsetenv("TMPDIR");
    } else {
        setenv("TMPDIR", m_oldTmpdir.c_str(), 1);
    }
}

std::filesystem::path SessionFixture::MakeBitmap(const std::string& name, int width, int height) {
    bmptest::BmpFile file{
        .width = width, .height = height, .bitCount = 1, .palette = {0xFFFFFF, 0x000000}};
    file.pixels = bmptest::PackPixels(1, width, height, [](int x, int y) { return (x + y) % 2; });
    const std::filesystem::path path = m_files / name;
    bmptest::WriteFile(path, bmptest::Build(file));
    return path;
}

void SessionFixture::MakeRegistered(int slot, std::int32_t imageBytes) {
    CFontPT& item = m_session->m_items[slot];
    item.m_id = static_cast<std::int16_t>(slot);
    item.m_patternSize = imageBytes;
    item.BuildHeader();
    item.m_state = ITEM_REGISTERED;
}

std::vector<std::filesystem::path> SessionFixture::LeftoverTransferFiles() const {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_tmpdir.Path())) {
        if (entry.path().filename().string().rfind("QUIL", 0) == 0) found.push_back(entry.path());
    }
    return found;
}

std::vector<std::string> SessionFixture::ProgressLog() const {
    std::vector<std::string> calls;
    const int last = m_op.ProgressDisplaysOpened() - 1;
    for (const auto& call : m_op.ProgressCalls()) {
        if (call.display == last) calls.push_back(call.call);
    }
    return calls;
}
