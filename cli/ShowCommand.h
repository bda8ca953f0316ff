#pragma once

#include <string>

#include "cli/CCliCommand.h"
#include "cli/PictureOptions.h"

// `show FILE [--ascii | --pbm OUT]`: loads a .bmp or .pld file as the program does and
// prints its binarized image with its width, height and pattern size, or writes the image
// as a binary PBM file.
class ShowCommand : public CCliCommand {
  public:
    CLI::App* Register(CLI::App& app) override;
    int Run(CCliContext& context) override;

  private:
    PictureOptions m_pictures;
    std::string m_file;
    bool m_ascii = false;
    std::string m_pbm;
};
