#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ops/CLogoSession.h"
#include "sim/CPrinterModel.h"
#include "sim/CSimLink.h"
#include "sim/CSimRegistrations.h"
#include "tests/imaging/BmpBuilder.h"
#include "tests/support/CRecordingOperator.h"

// A session wired to the virtual printer in process, with a private temporary folder
// (TMPDIR) so that tests can see which transfer files are left behind.
class SessionFixture : public testing::Test {
  protected:
    SessionFixture();
    ~SessionFixture() override;

    // Writes a black-and-white bitmap of width x height under `name` in the test folder.
    std::filesystem::path MakeBitmap(const std::string& name, int width, int height);
    // Marks `slot` as registered with `imageBytes` of one pattern.
    void MakeRegistered(int slot, std::int32_t imageBytes);
    // Files whose name starts with QUIL anywhere under the temporary folder.
    std::vector<std::filesystem::path> LeftoverTransferFiles() const;
    // The progress calls of the last display, as the recording operator writes them.
    std::vector<std::string> ProgressLog() const;

    bmptest::TempFolder m_files;
    bmptest::TempFolder m_tmpdir;
    std::string m_oldTmpdir;
    CSimRegistrations m_registrations;
    CPrinterModel m_model{m_registrations};
    CSimLink* m_link = nullptr;
    CRecordingOperator m_op;
    std::unique_ptr<CLogoSession> m_session;
};
