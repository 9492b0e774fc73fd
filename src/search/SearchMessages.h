#pragma once

#include <string_view>

// The net search tab's messages and fixed texts, as the user reads them. Written here in UTF-8
// and turned into Shift_JIS where they are used (SjisFromUtf8Literal).
namespace pellucor::search_messages {

inline constexpr std::string_view kPageNotFound =
    "指定したページまたはファイルが見つかりませんでした．";
/// The example keyword of ComboBoxDesc.
inline constexpr std::string_view kExampleKeyword = "ベートーヴェン　第９　カラヤン";

// Captions of the sub-tabs the commands select.
inline constexpr std::string_view kMainSubTab = " メイン ";
inline constexpr std::string_view kNewWindowSubTab = " 新規ｳｨﾝﾄﾞｳ ";
inline constexpr std::string_view kHttpGetSubTab = " HTTPGet ";

// The probe's summary lines, each followed by its value.
inline constexpr std::string_view kLastModifiedLabel = "最終更新日時　　： ";
inline constexpr std::string_view kFileSizeLabel = "ファイルサイズ　　： ";
inline constexpr std::string_view kFileSizeUnit = " バイト";
inline constexpr std::string_view kFullPathLabel = "フルパス名　　　　： ";
inline constexpr std::string_view kFileNameLabel = "ファイル名　　　　 ： ";

}  // namespace pellucor::search_messages
