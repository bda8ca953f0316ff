#include "items/PrinterModels.h"

#include <array>

namespace {

constexpr std::array<PrinterModelInfo, kModelCount> kModels{{
    {"NV210a", 8},
    {"NV430a", 8},
    {"NV450a", 12},
}};

}  // namespace

const PrinterModelInfo& ModelInfo(int model) {
    if (model < 0 || model >= kModelCount) model = 0;
    return kModels[static_cast<std::size_t>(model)];
}
