#include "editctl/control/KEResources.h"

const char* const KE_STR_NO_FONT = "(変更しない)";
const char* const KE_DLG_CHARFONT_CAPTION = "文字の変更";
const char* const KE_DLG_CHARFONT_PROMPT = "文字を選択して下さい(&F):";
const char* const KE_DLG_OK = "OK";
const char* const KE_DLG_CANCEL = "ｷｬﾝｾﾙ";

std::unique_ptr<CKEMenu> KELoadContextMenu() {
    auto popup = std::make_unique<CKEMenu>();
    popup->appendItem(KEDIT_CMD_UNDO, "元に戻す(&U)");
    popup->appendSeparator();
    popup->appendItem(KEDIT_CMD_CUT, "切り取り(&T)");
    popup->appendItem(KEDIT_CMD_COPY, "ｺﾋﾟｰ(&C)");
    popup->appendItem(KEDIT_CMD_PASTE, "貼り付け(&P)");
    popup->appendItem(KEDIT_CMD_DELETE, "削除(&D)");
    popup->appendSeparator();
    popup->appendItem(KEDIT_CMD_DELETEALL, "全て削除(&A)");
    popup->appendSeparator();
    popup->appendItem(KEDIT_CMD_CHARFONT, "文字の変更(&F)");
    auto menu = std::make_unique<CKEMenu>();
    menu->appendPopup("KEDIT", std::move(popup));
    return menu;
}
