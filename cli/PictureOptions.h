#pragma once

#include <optional>

#include "cli/CDecoderModule.h"
#include "imaging/CLogoFileReader.h"

namespace CLI {
class App;
}

// The options of the commands that read logo files: the printer model (dots per mm of a
// vector picture), --width-mm/--height-mm for SVG and --time-limit; and the reader they
// configure, which stops reading when a stop signal comes.
class PictureOptions {
  public:
    // `withModel`: the command has no --model option of its own.
    void AddOptions(CLI::App& command, bool withModel);
    // Gives `reader` the decoder and the sizes asked for, for a printer of `model`.
    void Configure(CLogoFileReader& reader, int model);
    int Model() const { return m_model; }

  private:
    int m_model = 0;
    std::optional<double> m_widthMm;
    std::optional<double> m_heightMm;
    double m_timeBudgetSeconds = 10;
    CDecoderModule m_decoder;
};
