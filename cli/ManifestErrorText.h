#pragma once

#include <string>

#include "ops/CSyncManifest.h"

// A manifest's refusal in the command line's words (English, as the manifest's keys are).
std::string ManifestErrorText(const ManifestError& error);
