#pragma once

#include <memory>

#include "editctl/window/CKEMenu.h"

// The library's resources: menu 129 (one pop-up "KEDIT" with the edit commands), the texts
// of dialog 131 and string 1000.
std::unique_ptr<CKEMenu> KELoadContextMenu();
extern const char* const KE_STR_NO_FONT;           // string 1000, UTF-8
extern const char* const KE_DLG_CHARFONT_CAPTION;  // dialog 131
extern const char* const KE_DLG_CHARFONT_PROMPT;
extern const char* const KE_DLG_OK;
extern const char* const KE_DLG_CANCEL;
