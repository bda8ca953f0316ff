#pragma once

#include <string>

#include "host/IOperator.h"

// Shows string `id` of the string table in an error box ("エラー", exclamation icon).
void ShowImagingError(IOperator& op, int id);
// Shows `text` in an error box.
void ShowImagingErrorText(IOperator& op, const std::string& text);
