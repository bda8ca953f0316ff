// stampix-svg-render: draws one checked SVG document for the decoder in a process of its
// own, so that a document that takes too long to draw can be stopped at any moment.
//
//   stampix-svg-render FD WIDTH HEIGHT X Y W H
//
// reads the document from descriptor FD, draws it into the rectangle (X, Y, W, H) of a
// WIDTH x HEIGHT picture and writes the picture's RGBA rows, top row first, to standard
// output, a band at a time. Exit status 0 when every row was written, 2 for a document that
// cannot be drawn, 3 when memory ran out, 1 for bad arguments or a closed output.
#include <unistd.h>

#include <QFile>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "decode/SvgBandPainter.h"
#include "decode/SvgDocumentCheck.h"

#if defined(__SANITIZE_ADDRESS__)
// Qt's application object keeps what it allocates until the process ends: a sanitized
// helper reports no leaks, which would only fill the decoder's standard error.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
#endif

namespace {

bool WriteAll(const unsigned char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes, size);
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr, "usage: stampix-svg-render FD WIDTH HEIGHT X Y W H\n");
        return 1;
    }
    const int fd = std::atoi(argv[1]);
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const QRectF bounds(std::atof(argv[4]), std::atof(argv[5]), std::atof(argv[6]),
                        std::atof(argv[7]));
    if (fd < 0 || width <= 0 || height <= 0) return 1;
    QFile input;
    if (!input.open(fd, QIODevice::ReadOnly)) return 1;
    const QByteArray document = input.read(kMaxSvgFileBytes + 1);

    int qtArgc = 3;
    char name[] = "stampix-svg-render";
    char option[] = "-platform";
    char platform[] = "offscreen";
    char* qtArgv[] = {name, option, platform, nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    QSvgRenderer renderer(document);
    if (!renderer.isValid()) return 2;
    const int rowsPerBand = SvgRowsPerBand(width, height);
    for (int top = 0; top < height; top += rowsPerBand) {
        const int rows = std::min(rowsPerBand, height - top);
        const QImage band = PaintSvgBand(renderer, bounds, width, top, rows);
        if (band.isNull()) return 3;
        for (int y = 0; y < rows; ++y) {
            if (!WriteAll(band.constScanLine(y), static_cast<std::size_t>(width) * 4)) return 1;
        }
    }
    return 0;
}
