#include "cli/PictureOptions.h"

#include <CLI/CLI.hpp>

#include "app/present/CModelProfile.h"

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
}

void PictureOptions::Configure(CLogoFileReader& reader, int model) {
    reader.SetDecoder(&m_decoder);
    reader.m_request.dotsPerMm = static_cast<int>(ModelProfile(model).m_dotsPerMm);
    reader.m_request.widthMm = m_widthMm;
    reader.m_request.heightMm = m_heightMm;
}
