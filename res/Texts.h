#pragma once

#include <string_view>

// The program's texts, UTF-8, exactly as the operator sees them. Numbered texts are the
// string table (`StringTable`); the others are literal texts of the code that shows them.
// Each subsystem keeps its literal texts in its own section below.
namespace texts {

// ---- String table (numbered) ----
inline constexpr int IDS_BMP_OPEN_FAILED = 103;
inline constexpr int IDS_BMP_UNSUPPORTED = 104;
inline constexpr int IDS_NO_MEMORY = 105;
inline constexpr int IDS_BMP_TOO_LARGE = 106;
inline constexpr int IDS_PLD_CREATE_FAILED = 108;
inline constexpr int IDS_LOGO = 109;
inline constexpr int IDS_UNEXPECTED_FILE = 111;
inline constexpr int IDS_PLD_BAD_VERSION = 113;
inline constexpr int IDS_PLD_BAD_ID_CODE = 114;
inline constexpr int IDS_PLD_BAD_FORMAT = 115;
inline constexpr int IDS_ERROR_CAPTION = 200;
inline constexpr int IDS_PORT_OPEN_FAILED = 500;

// The text of a numbered string; empty for a number the table does not hold.
std::string_view StringTable(int id);

// ---- Captions that several messages share ----
inline constexpr std::string_view kConfirmCaption = "確認";
inline constexpr std::string_view kResultCaption = "実行結果";

// ---- Item table (items/) ----
inline constexpr std::string_view kStateUnregistered = "未登録ID";
inline constexpr std::string_view kStateRegistered = "登録済みID";
inline constexpr std::string_view kStateNew = "新規登録ID";
// printf format: the table total in Kbyte, rounded up.
inline constexpr std::string_view kMemoryUsageFormat = "メモリ使用量　%d/240Kbyte";

// ---- Imaging (imaging/) ----
// Between the full path and string 104 when a bitmap's bit count is not supported.
inline constexpr std::string_view kBitCountMessageJoin = "\r\nは";
// After the full path of a file that is neither a bitmap nor a logo data file.
inline constexpr std::string_view kUnsupportedFileSuffix = "\r\nは未対応のファイル形式です。";
// A picture of another format that cannot be read: the format's name ("PNG", "SVG", ...),
// then the reason, then (when the decoder said more) what it said.
inline constexpr std::string_view kPictureFailedFormat = "%sファイルを読み込めませんでした。\r\n%s";
inline constexpr std::string_view kPictureBroken = "ファイルが壊れているか、途中で切れています。";
inline constexpr std::string_view kPictureTooLarge =
    "画像が大きすぎます（幅と高さは7992ドットまで）。";
inline constexpr std::string_view kPictureNotDrawn = "この内容は描画できません。";
inline constexpr std::string_view kPictureOverTime = "読み込みが制限時間を超えました。";
inline constexpr std::string_view kPictureDecoderSaid = "\r\n詳細: ";
// A batch conversion's file whose output another file of the same run already names: the
// full path, the join, the output path, the suffix.
inline constexpr std::string_view kConvertOutputTakenJoin = "\r\nの変換先 ";
inline constexpr std::string_view kConvertOutputTakenSuffix =
    "\r\nは同じ変換の別のファイルと重なるため、変換しません。";
inline constexpr std::string_view kConvertDoneText =
    "変換処理を完了しました。\r\n処理の途中でエラーメッセージが表示された場合、\r\n"
    "ファイルが正常なビットマップファイルか確認してください。";

// ---- Serial link (serial/) ----
// Lines after string 500 that say why the port could not be opened (after the line
// "device: the system's reason").
inline constexpr std::string_view kPortNoAccessHint =
    "このポートを使う権限がありません。ユーザーを dialout グループに加えて"
    "（sudo usermod -aG dialout $USER）、ログインし直してください。";
inline constexpr std::string_view kPortNotSerialHint = "シリアルポートのデバイスではありません。";
// What kind of port a device is, in the port dialog's list, when the device does not say
// its own product name.
inline constexpr std::string_view kPortKindUsb = "USBシリアル変換器";
inline constexpr std::string_view kPortKindPci = "PCIシリアルポート";
inline constexpr std::string_view kPortKindOnBoard = "本体のシリアルポート";
inline constexpr std::string_view kPortKindOther = "シリアルポート";
// The port dialog, for a typed name that is no port (printf format: the name typed).
inline constexpr std::string_view kPortTypedNotAPortFormat =
    "「%s」はポートではありません。\n"
    "COM1～COM20 を選ぶか、/dev/ttyUSB0 のようなシリアルデバイスのパスを入力してください。";
// After the name given, when it is neither COM1..COM20 nor a device path.
inline constexpr std::string_view kPortNameInvalidSuffix =
    "：ポートの名前ではありません（COM1～COM20 か、/dev/ttyUSB0 のようなデバイスのパス）。";

// ---- Printer protocol and operations (protocol/, ops/) ----
// The download's overwrite question (printf format: the registration ID).
inline constexpr std::string_view kOverwriteQuestionFormat =
    "ID%02dは既にプリンタにデータが登録されています。\r\n上書きしますか？";
// Adding files.
inline constexpr std::string_view kNoFreeSlot =
    "アイテム数が99を超えたのでファイルを追加できませんでした。";
inline constexpr std::string_view kItemTooLargeSuffix =
    "\r\nは必要メモリ容量が44Kbyteを超える為、追加できません。";
// Download.
inline constexpr std::string_view kDownloadMemoryFull =
    "新規登録データが最大メモリ容量を超えています。";
inline constexpr std::string_view kDownloadTooManyIds =
    "プリンタに登録されるID数が80アイテムを超えています。";
inline constexpr std::string_view kWaitingForPrinter = "プリンタの応答を待っています。";
inline constexpr std::string_view kDownloadSending = "データ送信中です。";
inline constexpr std::string_view kDownloadFailed = "データ送信に失敗しました。";
inline constexpr std::string_view kDownloadDone = "データ送信を完了しました。";
// Information retrieval.
inline constexpr std::string_view kInfoReading = "プリンタから情報を取得中です。";
inline constexpr std::string_view kInfoFailed = "情報取得に失敗しました。";
inline constexpr std::string_view kInfoBroken =
    "情報取得に失敗しました。\r\nプリンタを再起動し、PCとケーブルの接続を確認してから再試行してくだ"
    "さい。";
inline constexpr std::string_view kInfoDone = "情報取得を完了しました。";
// Deletion.
inline constexpr std::string_view kDeleteNothingSelected = "削除するIDを選択してください。";
inline constexpr std::string_view kDeleteRegisteredQuestion =
    "削除項目に登録済みIDが含まれています。\r\n登録済みIDに関してはプリンタに登録されているデータも"
    "削除されます。\r\n実行しますか？";
inline constexpr std::string_view kDeleting = "データの削除中です。";
inline constexpr std::string_view kDeleteFailed = "データの削除に失敗しました。";
inline constexpr std::string_view kDeleteDone = "データの削除を完了しました。";
inline constexpr std::string_view kAllClearCaption = "実行確認";
inline constexpr std::string_view kAllClearQuestion =
    "プリンタに登録されているデータが全て削除されます。\r\n実行しますか？";
inline constexpr std::string_view kAllClearing = "登録データの削除中です。";
inline constexpr std::string_view kAllClearDone = "登録データを全て削除しました。";
inline constexpr std::string_view kAllClearFailed = "登録データの削除に失敗しました。";

// ---- Application (app/) ----
// Model dialog and title.
inline constexpr std::string_view kSelectPrinterCaption =
    "NV210a/NV430a/NV450aロゴダウンロードツール";
inline constexpr std::string_view kSelectPrinterGroup = "プリンタ機種を選択してください";
inline constexpr std::string_view kModelRadio0 = "ミニノクタ(NV210a,NV218a,NV218b,NV218c)";
inline constexpr std::string_view kModelRadio1 = "ノクタ(NV430a)";
inline constexpr std::string_view kModelRadio2 = "ノクタ(NV450a)";
inline constexpr std::string_view kButtonOk = "OK";
inline constexpr std::string_view kButtonQuit = "終了";
// printf format: the model name.
inline constexpr std::string_view kTitleFormat = "%sロゴダウンロードツール";
// Menus.
inline constexpr std::string_view kMenuFile = "ファイル(&F)";
inline constexpr std::string_view kMenuExit = "終了(&X)";
inline constexpr std::string_view kMenuComPort = "COMポート(&C)";
inline constexpr std::string_view kMenuExtensions = "拡張機能(&E)";
inline constexpr std::string_view kMenuConvert = "bmp→pld変換(&C)";
inline constexpr std::string_view kMenuHelp = "ヘルプ(&H)";
inline constexpr std::string_view kMenuHelpTopics = "ヘルプ(&H)";
inline constexpr std::string_view kMenuAbout = "バージョン情報 (&A)";
// The help command when the page cannot be opened (followed by the page's path).
inline constexpr std::string_view kHelpNotOpened = "ヘルプを開けませんでした。\r\n";
// Closing the main window while a printer operation runs.
inline constexpr std::string_view kStopOperationQuestion =
    "プリンタとの通信中です。\r\n処理を中止して終了しますか？";
// Version dialog.
inline constexpr std::string_view kAboutCaption = "バージョン情報";
inline constexpr std::string_view kVersionLineFormat = "Version %s";
// Main view.
inline constexpr std::string_view kViewGroup = "ロゴ登録・管理";
inline constexpr std::string_view kButtonAddFile = "ファイル追加";
inline constexpr std::string_view kButtonStartTransfer = "転送開始";
inline constexpr std::string_view kButtonGetInfo = "情報取得";
inline constexpr std::string_view kButtonClear = "クリア";
inline constexpr std::string_view kButtonAllClear = "オールクリア";
inline constexpr std::string_view kLabelOriginal = "オリジナル画像";
inline constexpr std::string_view kLabelTransfer = "転送画像（２値化画像）";
inline constexpr std::string_view kMemoryTextInitial = "メモリ使用量　N/A";
inline constexpr std::string_view kColumnId = "ID";
inline constexpr std::string_view kColumnName = "登録名称";
inline constexpr std::string_view kColumnMemory = "必要メモリ";
inline constexpr std::string_view kColumnState = "アイテム状態";
// printf format: the record's memory need in bytes.
inline constexpr std::string_view kMemoryNeedFormat = "%dbyte";
// File dialogs.
inline constexpr std::string_view kAddFileTitle = "ファイル追加";
inline constexpr std::string_view kFilterBmp = "BMPﾌｧｲﾙ(*.bmp)";
inline constexpr std::string_view kFilterPld = "ﾐﾆﾉｸﾀ/ﾉｸﾀﾛｺﾞﾃﾞｰﾀ(*.pld)";
// Our own third filter: the pictures the decoder of other formats reads.
inline constexpr std::string_view kFilterPictures =
    "画像ファイル (*.png;*.jpg;*.jpeg;*.gif;*.webp;*.tif;*.tiff;*.svg)";
inline constexpr std::string_view kAddFileInitialName = "*.bmp";
inline constexpr std::string_view kConvertTitle = "bmp→pld変換";
// Item settings dialog.
inline constexpr std::string_view kItemSetCaption = "登録設定";
inline constexpr std::string_view kItemSetIdLabel = "登録ID(0～99)";
inline constexpr std::string_view kItemSetNameLabel = "登録名称";
inline constexpr std::string_view kButtonCancelHalfWidth = "ｷｬﾝｾﾙ";
inline constexpr std::string_view kIdInUse = "指定されたIDは既に使用されています。";
// Under the name when it holds a character that Shift-JIS cannot hold.
inline constexpr std::string_view kNameNotShiftJis =
    "登録名称に使えない文字が含まれています（Shift-JISにない文字）。";
// Progress dialog.
inline constexpr std::string_view kProgressCaption = "進行状況";
inline constexpr std::string_view kProgressInitial = "データ転送中";
// Information dialogs.
inline constexpr std::string_view kLogoDetailCaption = "ロゴ情報";
inline constexpr std::string_view kLogoDetailListHeading = "呼び出しコード";
inline constexpr std::string_view kFontDetailCaption = "フォント情報";
inline constexpr std::string_view kDetailNameFormat = "登録名称：%s";
inline constexpr std::string_view kDetailIdFormat = "登録ID：%d";
inline constexpr std::string_view kDetailHeightFormat = "縦サイズ：%ddot(%.1fmm)";
inline constexpr std::string_view kDetailWidthFormat = "横サイズ：%ddot(%.1fmm)";
inline constexpr std::string_view kDetailFontCountFormat = "登録フォント数：%d";
inline constexpr std::string_view kDetailFontSizeFormat = "フォントサイズ：%d";
inline constexpr std::string_view kDetailBoldOff = "強調：無効";
inline constexpr std::string_view kDetailBoldOn = "強調：有効";
inline constexpr std::string_view kDetailItalicOff = "斜体：無効";
inline constexpr std::string_view kDetailItalicOn = "斜体：有効";
// Port dialog.
inline constexpr std::string_view kComSelectCaption = "COMポートの選択";
inline constexpr std::string_view kButtonCancel = "キャンセル";

}  // namespace texts
