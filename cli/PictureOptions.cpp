#include "cli/PictureOptions.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <cmath>

#include "cli/CStopSignals.h"
#include "items/PrinterModels.h"

void PictureOptions::AddOptions(CLI::App& command, bool withModel) {
    if (withModel) {
        command
            .add_option("--model", m_model,
                        "Printer model, for the printed size of SVG files: 0 NV210a, 1 NV430a, "
                        "2 NV450a")
            ->check(CLI::Range(0, kModelCount - 1));
    }
    command
        .add_option("--width-mm", m_widthMm,
                    "Printed width of SVG files in mm (alone: the height keeps the aspect ratio)")
        ->check(CLI::PositiveNumber);
    command
        .add_option("--height-mm", m_heightMm,
                    "Printed height of SVG files in mm (alone: the width keeps the aspect ratio)")
        ->check(CLI::PositiveNumber);
    command
        .add_option("--time-limit", m_timeBudgetSeconds,
                    "Seconds that reading one picture may take (default 10)")
        ->check(CLI::Range(0.1, 3600.0));
}

void PictureOptions::Configure(CLogoFileReader& reader, int model) {
    reader.SetDecoder(&m_decoder);
    reader.m_request.dotsPerMm = static_cast<int>(ModelInfo(model).m_dotsPerMm);
    reader.m_request.widthMm = m_widthMm;
    reader.m_request.heightMm = m_heightMm;
    reader.m_request.timeBudget =
        std::chrono::milliseconds(std::llround(m_timeBudgetSeconds * 1000));
    // Ctrl+C, SIGTERM and SIGHUP end the reading of a picture too, not only printer work.
    reader.m_request.stopRequested = [] { return CStopSignals::Flag().IsRequested(); };
}
