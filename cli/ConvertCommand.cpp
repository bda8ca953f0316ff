#include "cli/ConvertCommand.h"

#include <CLI/CLI.hpp>
#include <filesystem>

#include "imaging/BatchConversion.h"

CLI::App* ConvertCommand::Register(CLI::App& app) {
    CLI::App* sub =
        app.add_subcommand("convert",
                           "Convert bitmap files into .pld logo data files written beside them "
                           "(the file's last three characters become \"pld\")");
    sub->add_option("FILE", m_files, "Bitmap files, converted in the order given")->required();
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
    const BatchConversionResult result =
        ConvertBitmapsToLogoFiles(files, context.image, context.op);
    return result.failed == 0 ? 0 : 1;
}
