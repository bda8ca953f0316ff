#include "cli/ConvertCommand.h"

#include <CLI/CLI.hpp>
#include <filesystem>

#include "imaging/BatchConversion.h"

CLI::App* ConvertCommand::Register(CLI::App& app) {
    CLI::App* sub =
        app.add_subcommand("convert",
                           "Convert bitmap files (and PNG, JPEG, GIF, WebP, TIFF or SVG pictures) "
                           "into .pld logo data files written beside them (a bitmap's last three "
                           "characters become \"pld\"; a picture keeps its stem)");
    m_pictures.AddOptions(*sub, true);
    sub->add_option("FILE", m_files, "Files, converted in the order given")->required();
    return sub;
}

int ConvertCommand::Run(CCliContext& context) {
    context.image.keepSourcePixels = false;  // nothing here draws the source image
    std::vector<std::filesystem::path> files;
    files.reserve(m_files.size());
    for (const std::string& file : m_files) {
        // Messages name the full path, as the desktop program's file dialog gives it.
        std::error_code error;
        std::filesystem::path full = std::filesystem::absolute(file, error);
        files.push_back(error ? std::filesystem::path(file) : full);
    }
    CLogoFileReader reader;
    m_pictures.Configure(reader, m_pictures.Model());
    const BatchConversionResult result =
        ConvertBitmapsToLogoFiles(files, reader, context.image, context.op);
    return result.failed == 0 && !result.stopped ? 0 : 1;
}
