#include "messages.h"

#include "common/errors.h"
#include "common/sjis.h"

#include <cstring>

namespace varenta::messages {

SJIS_FIXED_TEXT(MissingConfig, "初期設定用ファイルがありません")
SJIS_FIXED_TEXT(MissingItemFile, "Varentaの項目ファイルがありません")
SJIS_FIXED_TEXT(EmptyFileName, "ファイル名が入力されていません")
SJIS_FIXED_TEXT(BadFileName, "ファイル名に誤りがあります")
SJIS_FIXED_TEXT(UnreadableRemarks, "ファイルが読めません！ \n\rディスク、パス名を確認してください。")
SJIS_FIXED_TEXT(NoHelpFile, "ヘルプファイル MAIN.HLP はインストールされていません。")

std::string DescribeFailure(const std::exception& failure)
{
    std::string utf8;
    if (auto io = dynamic_cast<const common::IoError*>(&failure)) {
        const std::string& op = io->operation();
        const char* verb = op == "open" || op == "read" ? "ファイルが読めません"
                           : op == "delete"             ? "ファイルが削除できません"
                                                        : "ファイルに書き込めません";
        utf8 = std::string(verb) + "：" + io->path();
        if (io->error() != 0)
            utf8 += std::string("\n（") + std::strerror(io->error()) + "）";
    } else if (dynamic_cast<const common::InputError*>(&failure)) {
        utf8 = std::string("ファイルの内容に誤りがあります。\n（") + failure.what() + "）";
    } else {
        utf8 = std::string("内部エラーが発生しました。\n（") + failure.what() + "）";
    }
    if (auto converted = sjis::TryFromUtf8(utf8))
        return *converted;
    // A path with characters outside Shift-JIS: say so without the path.
    return sjis::FromUtf8("ファイルの入出力でエラーが発生しました。");
}

}  // namespace varenta::messages
