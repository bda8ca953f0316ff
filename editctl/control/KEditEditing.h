#pragma once

#include <cstdint>
#include <string_view>

#include "editctl/control/CKEditWindowData.h"

// Steps that every editing path shares (keys, clipboard, input method, menu commands).

// Undo grouping: a snapshot when the kind of edit changes.
void KEBeginEdit(CKEditWindowData& data, KELastEdit kind);
// After a successful change of the text: EN_UPDATE, an immediate repaint, EN_CHANGE.
void KEAnnounce(CKEditWindowData& data);
// WM_COMMAND with `code` to the parent (low word the control's ID, lParam the control).
void KENotifyParent(CKEditWindowData& data, WORD code);
// Replaces the selection (if any) by `text` as a typing edit: grouping, delete, insert,
// announce. True if the text was inserted.
bool KEReplaceSelection(CKEditWindowData& data, std::u16string_view text);
// Deletes the selection as a deletion edit (with the announce on success).
bool KEDeleteSelectionEdit(CKEditWindowData& data);
// Select all (nothing on an empty text), and select [first, end) as EM_SETSEL does; both
// place the caret.
void KESelectAll(CKEditWindowData& data);
void KESelectRange(CKEditWindowData& data, std::int32_t first, std::int32_t end);
bool KEShiftDown(const CKEditWindowData& data);
bool KEControlDown(const CKEditWindowData& data);
