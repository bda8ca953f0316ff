#pragma once

#include <string>
#include <string_view>

// What the desktop program says of a printer model (items/PrinterModels.h).

// The model dialog's radio button of model 0..2 (UTF-8); numbers outside that range give
// model 0's.
std::string_view ModelRadioText(int model);

// The main window's title for a model name: "%sロゴダウンロードツール".
std::string MakeTitle(std::string_view modelName);
