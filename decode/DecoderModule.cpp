// The decoder as a module that the command line loads only when a file needs it, so that a
// run that reads bitmaps alone never loads Qt.
#include "decode/DecoderModule.h"
#include "decode/CQtImageDecoder.h"

extern "C" __attribute__((visibility("default"))) IImageDecoder* StampixCreateImageDecoder() {
    return new CQtImageDecoder();
}
