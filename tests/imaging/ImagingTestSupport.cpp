#include "tests/imaging/ImagingTestSupport.h"

#include "imaging/BitmapLoader.h"

bool ImagingTest::Load(const bmptest::Bytes& file) {
    return LoadBitmapBytes(file, "/data/logo.bmp", image, op);
}
