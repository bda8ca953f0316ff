#include "cli/ShowCommand.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "cli/TerminalImage.h"
#include "imaging/BatchConversion.h"
#include "imaging/ImagingMessages.h"
#include "imaging/LogoFileKind.h"
#include "imaging/WholeFileWriter.h"
#include "res/Texts.h"

CLI::App* ShowCommand::Register(CLI::App& app) {
    CLI::App* sub = app.add_subcommand(
        "show",
        "Show the binarized image of a .bmp, .pld or picture file, with its width, height and "
        "pattern size");
    m_pictures.AddOptions(*sub, true);
    sub->add_option("FILE", m_file,
                    "A bitmap (.bmp), logo data file (.pld) or a PNG, JPEG, GIF, WebP, TIFF or "
                    "SVG picture")
        ->required();
    CLI::Option* ascii = sub->add_flag("--ascii", m_ascii,
                                       "Draw with '#' (black) and '.' (white), one row per line");
    sub->add_option("--pbm", m_pbm, "Write the image to OUT as a binary PBM (P4) file instead")
        ->option_text("OUT")
        ->excludes(ascii);
    return sub;
}

int ShowCommand::Run(CCliContext& context) {
    context.image.keepSourcePixels = false;  // only the transfer image is shown
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(m_file, error);
    if (error) path = m_file;

    if (!m_pbm.empty()) {
        // Writing over the file being shown would lose it.
        if (SameFileKey(m_pbm) == SameFileKey(path)) {
            context.err << "show: --pbm " << m_pbm << " names the input file itself\n";
            return 2;
        }
    }
    CLogoFileReader reader;
    m_pictures.Configure(reader, m_pictures.Model());
    bool loaded = false;
    if (reader.Kind(path) == LogoFileKind::Unsupported) {
        ShowImagingErrorText(context.op,
                             path.string() + std::string(texts::kUnsupportedFileSuffix));
    } else {
        loaded = reader.Load(path, context.image, context.op);
    }
    if (!loaded) return 1;

    const CurrentImage& image = context.image;
    if (!m_pbm.empty()) {
        const std::vector<std::uint8_t> pbm = EncodePbm(image);
        const std::span<const std::uint8_t> parts[] = {pbm};
        if (!WriteFileWhole(m_pbm, parts)) {
            context.err << "stampix-cli: cannot write " << m_pbm << std::endl;
            return 1;
        }
    } else {
        context.out << (m_ascii ? RenderAscii(image) : RenderHalfBlocks(image));
    }
    context.out << "width: " << image.Width() << "\nheight: " << image.Height()
                << "\npattern size: " << image.PatternSize() << std::endl;
    return 0;
}
