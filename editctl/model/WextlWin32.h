#pragma once

// The Win32 types, records and constants have one definition: the installed header.
#include "wextl/win32.h"
