#pragma once

#include <array>
#include <cstdint>

// The library's resources in the control's terms: menu 129 (the context menu), dialog 131
// (the change-character dialog) and string 1000. Texts are UTF-8.
namespace keres {

constexpr std::uint32_t MF_ENABLED = 0x0000;
constexpr std::uint32_t MF_GRAYED = 0x0001;
constexpr std::uint32_t MF_SEPARATOR = 0x0800;

constexpr int IDR_KEDIT_MENU = 129;
constexpr int IDD_CHARFONT = 131;
constexpr int IDS_NO_CHARFONT = 1000;

struct KEMenuItemResource {
    std::uint32_t id;  // 0 for a separator
    const char* text;  // null for a separator
};

// The pop-up "KEDIT" of menu 129, in menu order.
constexpr const char* kMenuPopupName = "KEDIT";
constexpr std::array<KEMenuItemResource, 10> kMenuItems{{
    {32771, "元に戻す(&U)"},
    {0, nullptr},
    {32772, "切り取り(&T)"},
    {32773, "ｺﾋﾟｰ(&C)"},
    {32774, "貼り付け(&P)"},
    {32775, "削除(&D)"},
    {0, nullptr},
    {32776, "全て削除(&A)"},
    {0, nullptr},
    {32777, "文字の変更(&F)"},
}};
// The separator that stands before the change-character item.
constexpr int kCharFontSeparatorPosition = 8;

// String 1000: the list entry that means "no font of its own".
constexpr const char* kNoCharFontText = "(変更しない)";

// Dialog 131, in dialog units.
struct KEDialogControlResource {
    int id;
    const char* text;  // null for the combo box
    int x, y, width, height;
};
constexpr const char* kCharFontCaption = "文字の変更";
constexpr const char* kCharFontDialogFont = "ＭＳ ゴシック";
constexpr int kCharFontDialogPointSize = 9;
constexpr int kCharFontDialogWidth = 187;
constexpr int kCharFontDialogHeight = 51;
constexpr int IDC_FONTLIST = 1000;
constexpr KEDialogControlResource kCharFontOk{1, "OK", 130, 7, 50, 14};
constexpr KEDialogControlResource kCharFontCancel{2, "ｷｬﾝｾﾙ", 130, 24, 50, 14};
constexpr KEDialogControlResource kCharFontLabel{-1, "文字を選択して下さい(&F):", 7, 7, 107, 8};
constexpr KEDialogControlResource kCharFontList{IDC_FONTLIST, nullptr, 7, 21, 104, 140};

}  // namespace keres
