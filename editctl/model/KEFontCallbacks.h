#pragma once

// The exported font callbacks and their records have one definition: the installed header.
#include "wextl/wextl.h"
