#include "app/present/CModelProfile.h"

#include "app/present/TextFormat.h"
#include "res/Texts.h"

namespace {

constexpr std::array<CModelProfile, kModelCount> kProfiles{{
    {texts::kModelRadio0, "NV210a", 8},
    {texts::kModelRadio1, "NV430a", 8},
    {texts::kModelRadio2, "NV450a", 12},
}};

}  // namespace

const CModelProfile& ModelProfile(int model) {
    if (model < 0 || model >= kModelCount) {
        model = 0;
    }
    return kProfiles[static_cast<std::size_t>(model)];
}

std::string MakeTitle(std::string_view modelName) {
    return FormatText(texts::kTitleFormat, std::string(modelName).c_str());
}
