#pragma once

#include <string_view>

// The download tab's messages, questions and fixed texts, as the user reads them. Written here
// in UTF-8 and turned into Shift_JIS where they are shown (SjisFromUtf8Literal).
namespace pellucor::download_messages {

inline constexpr std::string_view kNotAPageQuestion =
    "HTMLﾌｧｲﾙの指定がありません、【 そのまま続行 ＝ はい（ Y ） 】／【 ”/index.html ”を付加して、"
    "続行 ＝ いいえ（N ） 】／【 中止 = ｷｬﾝｾﾙ 】";
inline constexpr std::string_view kNotNavigatedYet =
    "まだナビゲートされていません\r\n\r\n１度ナビゲートしてください";
inline constexpr std::string_view kRedirectedLabel =
    "【 http-equiv=\"refresh\" 】で、リダイレクトされています";
inline constexpr std::string_view kContinueQuestion =
    "そのまま続けますか【 そのまま続行 ＝ はい（ Y ） 】／【 中止 = いいえ 】";
inline constexpr std::string_view kBaseTagQuestion =
    "<base href=\"http://・・ >\"が含まれています。\r\n\r\n【 このままの設定（ WindowsのPath( 例："
    "「 F:/・・」）=はい（Ｙ）】／【 ﾀﾞｳﾝﾛｰﾄﾞ設定で、指定 ＝ いいえ（Ｎ）】";
inline constexpr std::string_view kChooseFolderTitle = "フォルダの指定";
inline constexpr std::string_view kFolderNotFound = "【 フォルダー 】が見つかりません";
// The save folder could not be emptied before the run; its path and the reason follow.
inline constexpr std::string_view kFolderNotEmptied = "【 フォルダー 】を空にできません： ";
// A save folder whose name the names of saved files cannot keep; its path and why follow.
inline constexpr std::string_view kSaveFolderNameUnusable =
    "【 保存フォルダー 】の名前は使えません： ";
inline constexpr std::string_view kNoSaveFolder = "【 保存すべきフォルダー 】が設定されていません";
inline constexpr std::string_view kFramesetLabel =
    "【 Ｆｒａｍｅｓｅｔ 】ファイルです。　各フレームは\r\n\r\nファイル一覧から、個別にﾀﾞｳﾝﾛｰﾄﾞして"
    "ください";
// A file of the run could not be fetched; its address and the reason follow.
inline constexpr std::string_view kNotFetched = "●【 取得できませんでした 】 ";
// The page of a run could not be fetched; its address and the reason follow.
inline constexpr std::string_view kPageNotFetched = "●【 ページを取得できませんでした 】 ";
// A file of the run could not be written; its path and the reason follow.
inline constexpr std::string_view kNotSaved = "●【 保存できませんでした 】 ";
// The page of a run could not be written; its path and the reason follow.
inline constexpr std::string_view kPageNotSaved = "●【 ページを保存できませんでした 】 ";
inline constexpr std::string_view kDownloadDone = "【 ダウンロード完了 】";
// The page was saved as the server sent it, but the server answered an error status: "HTTP",
// the status and the page's address follow.
inline constexpr std::string_view kPageAnsweredError = "●【 ページはエラーを返しました 】 ";
inline constexpr std::string_view kBaseFoundOpen = "＜ｂａｓｅ　ｈｒｅｆ＝”【 ";
inline constexpr std::string_view kBaseFoundClose = " 】 ” ・・＞が見つかりました";
inline constexpr std::string_view kWindowCaptionOpen = "HRAVEXA[ ";
// The window title of a download: the URL, then (after the close) the local file and "]".
inline constexpr std::string_view kDownloadCaptionOpen = "HRAVEXA 【 ";
inline constexpr std::string_view kDownloadCaptionClose = " 】";
inline constexpr std::string_view kDownloadCaptionFile = " 】  - [ ";
// The base tag in the status bar: its folder, then its whole value and "]".
inline constexpr std::string_view kBaseStatusOpen = " 【 ";
inline constexpr std::string_view kBaseStatusValue = " 】  [ ";
inline constexpr std::string_view kWindowCaptionClose = " ]";
// The window title of a URL added to the URL box's history.
inline constexpr std::string_view kUrlCaptionOpen = "[ ";
inline constexpr std::string_view kUrlCaptionClose = " ]";
inline constexpr std::string_view kOpenBracket = "【 ";
inline constexpr std::string_view kCloseBracket = " 】";
inline constexpr std::string_view kFailureMark = "●";
// Lines in the result panes when a limit of the run left files unfetched: the limit's number
// and the first address left follow.
inline constexpr std::string_view kStyleSheetLevelLimit =
    "●【 上限 】スタイルシートの読み込みが上限の段数に達したため、"
    "これ以降は取得していません： 段数 ";
inline constexpr std::string_view kFileLimit =
    "●【 上限 】１回のダウンロードで取得するファイル数が上限に達したため、"
    "これ以降は取得していません： ファイル数 ";
inline constexpr std::string_view kByteLimit =
    "●【 上限 】１回のダウンロードで取得するデータ量が上限に達したため、"
    "これ以降は取得していません： MiB ";
inline constexpr std::string_view kLimitUrlSeparator = " ／ ";

// The single-file workbenches of the right page control.
inline constexpr std::string_view kFileNotFound = "【 ファイル 】が見つかりません";
inline constexpr std::string_view kDirectDownloadFailed = "ファイルとしての保存に失敗しました";
inline constexpr std::string_view kFileSavedOpen = "ファイル【 ";
inline constexpr std::string_view kFileSavedClose = " 】が保存されました";
inline constexpr std::string_view kWebFileSavedOpen = "Webﾌｧｲﾙ【 ";
inline constexpr std::string_view kWebFileSavedMiddle = " 】が\r\n\r\nWindowsﾌｧｲﾙ【 ";
inline constexpr std::string_view kWebFileSavedClose = " 】として保存されました";
inline constexpr std::string_view kNoDataOpen = "\r\n\r\nUrl ==>>";
inline constexpr std::string_view kNoDataClose = "<==\r\n\r\n●　「データがありません　」●";
inline constexpr std::string_view kUrlRootMessage = "UrlRoot>>";
inline constexpr std::string_view kEmptyFileMarker = "○●◎";
inline constexpr std::string_view kImageFileFilter =
    "ｲﾒｰｼﾞ（ *.gif/jpg/png ）|*.gif;*.jpg;*.png;*.swf|すべてのﾌｧｲﾙ（ :*.* ）|*.*";
// A save that was refused or failed: the file and the reason follow.
inline constexpr std::string_view kFileNotSaved = "ファイルを保存できませんでした： ";

}  // namespace pellucor::download_messages
