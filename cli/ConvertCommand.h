#pragma once

#include <string>
#include <vector>

#include "cli/CCliCommand.h"
#include "cli/PictureOptions.h"

// `convert [--model N] [--width-mm MM] [--height-mm MM] FILE...`: the batch conversion of
// bitmaps and other pictures into .pld files beside them.
// Exit status 0 when every file was converted, 1 when any failed.
class ConvertCommand : public CCliCommand {
  public:
    CLI::App* Register(CLI::App& app) override;
    int Run(CCliContext& context) override;

  private:
    std::vector<std::string> m_files;
    PictureOptions m_pictures;
};
