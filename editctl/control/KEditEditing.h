#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "editctl/control/CKEditWindowData.h"

// The one editing path: every change of the text from input (typing, Enter, Backspace,
// Delete, paste, input-method text, cut, clear and the menu's commands) replaces the
// selection through KEReplaceSelection. What differs between the sources is a parameter.

// When the undo snapshot of a new edit group is taken: before the selection is deleted
// (typing, paste, the deletions), or after it (input-method text, whose undo does not bring
// the replaced selection back).
enum class KESnapshotAt { BeforeDeletion, AfterDeletion };

struct KEEdit {
    explicit KEEdit(KELastEdit editKind, std::u16string_view newText = {})
        : kind(editKind), text(newText) {}

    KELastEdit kind;           // the undo group, and lastEdit afterwards
    std::u16string_view text;  // what replaces the selection (empty: a deletion)
    KESnapshotAt snapshotAt = KESnapshotAt::BeforeDeletion;
    bool announce = true;  // EN_UPDATE, repaint, EN_CHANGE when the text changed (not cut)
    // Backspace and Delete: without a selection, the character this step from the caret
    // reaches is selected first (after the snapshot, so undo does not select it).
    std::optional<KECaretStep> orBeside;
};

// Replaces the selection (none if it selects no character) by `edit.text`. A refusal (limit,
// rows, width, memory) leaves text, selection, undo snapshot and lastEdit exactly as they
// were and sends only the model's EN_MAXTEXT. False if refused, or if the window was
// destroyed during the edit's call-outs.
bool KEReplaceSelection(CKEditWindowData& data, const KEEdit& edit);
// After a successful change of the text: EN_UPDATE, an immediate repaint, EN_CHANGE, each
// only while the window lives.
void KEAnnounce(CKEditWindowData& data);
// WM_COMMAND with `code` to the parent (low word the control's ID, lParam the control).
void KENotifyParent(CKEditWindowData& data, WORD code);
bool KEShiftDown(const CKEditWindowData& data);
bool KEControlDown(const CKEditWindowData& data);
