#include "res/Texts.h"

namespace texts {

std::string_view StringTable(int id) {
    switch (id) {
        case IDS_BMP_OPEN_FAILED:
            return "BMPファイルのオープンに失敗しました。";
        case IDS_BMP_UNSUPPORTED:
            return "サポートしていないBMPファイルです。";
        case IDS_NO_MEMORY:
            return "メモリの確保に失敗しました。";
        case IDS_BMP_TOO_LARGE:
            return "選択したファイルは、サイズが大きすぎます。\n処理を中断します。";
        case IDS_PLD_CREATE_FAILED:
            return "ダウンロード用ロゴファイルの作成に失敗しました。";
        case IDS_LOGO:
            return "ロゴ";
        case IDS_UNEXPECTED_FILE:
            return "予期せぬファイルです。";
        case IDS_PLD_BAD_VERSION:
            return "ダウンロードロゴファイルのバージョンが異なります。\nこのファイルは、使用できま"
                   "せん。";
        case IDS_PLD_BAD_ID_CODE:
            return "ダウンロードロゴファイルのＩＤコードが異なります。\nこのファイルは、使用できま"
                   "せん。";
        case IDS_PLD_BAD_FORMAT:
            return "不正なファイル形式です。このファイルは、使用することはできません。";
        case IDS_ERROR_CAPTION:
            return "エラー";
        case IDS_PORT_OPEN_FAILED:
            return "COMﾎﾟｰﾄをｵｰﾌﾟﾝできませんでした。\n他のｿﾌﾄｳｪｱによりCOMﾎﾟｰﾄが使用されている場合は"
                   "、そのｿﾌﾄｳｪｱを終了させてください。";
        default:
            return {};
    }
}

}  // namespace texts
