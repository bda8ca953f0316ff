#pragma once

#include <string>
#include <vector>

#include "cli/CCliCommand.h"
#include "cli/PictureOptions.h"
#include "cli/PrinterPort.h"

// `download --port PORT [--start SLOT] [--model N] [--width-mm MM] [--height-mm MM] [--verify]
// FILE...`: adds the files as new items from the start slot and downloads them. With --verify the
// printer's registrations are read back and every ID sent must hold what was sent.
class DownloadCommand : public CCliCommand {
  public:
    CLI::App* Register(CLI::App& app) override;
    int Run(CCliContext& context) override;

  private:
    PrinterPort m_port;
    int m_start = 0;
    int m_model = 0;
    bool m_verify = false;
    std::vector<std::string> m_files;
    PictureOptions m_pictures;
};
