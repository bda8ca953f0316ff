#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "host/IOperator.h"
#include "imaging/CLogoFileReader.h"
#include "imaging/CurrentImage.h"
#include "imaging/LogoFileKind.h"

// What one run of the batch conversion did.
struct BatchConversionResult {
    int converted = 0;  // .pld files written
    int failed = 0;     // bitmaps that could not be read, plus .pld files that could not be written
    bool stopped = false;  // the reader's stop was asked for; the rest was not converted
};

// One spelling per file, so that a.bmp, ./a.bmp and a link to it compare equal.
std::filesystem::path SameFileKey(const std::filesystem::path& path);

// The output path of a bitmap: its path with the last three characters replaced by "pld".
std::filesystem::path LogoDataPathFor(const std::filesystem::path& bitmapPath);
// The output path of a file of `kind`: a picture of another format becomes its stem plus
// ".pld" beside it (logo.png: logo.pld); every other file is named as a bitmap is.
std::filesystem::path LogoDataPathFor(const std::filesystem::path& path, LogoFileKind kind);

// Converts every bitmap of `files`, in order, into a .pld file beside it named
// "QUILSAVE<n>", n counting the bitmaps read so far in this run. A file that fails is
// skipped after its message; the run ends with the completion message ("実行結果",
// information icon). `image` holds the last bitmap read.
// Pictures that `reader`'s decoder takes are read through it; every other file is read as
// a bitmap, whatever its name.
// A file whose output would be a file of the run (its own input, another input, or the
// output of an earlier file) is refused with a message before it is read: converting it
// would overwrite a file the run reads or has just written.
// The reader's stopRequested is asked before each file (and by the decoder between blocks
// of rows): once it says stop, nothing more is written and there is no completion message.
BatchConversionResult ConvertBitmapsToLogoFiles(std::span<const std::filesystem::path> files,
                                                const CLogoFileReader& reader, CurrentImage& image,
                                                IOperator& op);
// The same with bitmaps only.
BatchConversionResult ConvertBitmapsToLogoFiles(std::span<const std::filesystem::path> files,
                                                CurrentImage& image, IOperator& op);
