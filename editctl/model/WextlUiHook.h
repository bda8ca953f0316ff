#pragma once

// The UI hook's records have one definition: the installed header.
#include "wextl/wextl.h"
