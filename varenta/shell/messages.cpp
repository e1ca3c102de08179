#include "messages.h"

#include "common/errors.h"
#include "common/sjis.h"

#include <cstring>

namespace varenta::messages {

// Each message is converted once, on first use.
#define VARENTA_MESSAGE(name, utf8)                        \
    const std::string& name()                              \
    {                                                      \
        static const std::string text = sjis::FromUtf8(utf8); \
        return text;                                       \
    }

VARENTA_MESSAGE(MissingConfig, "初期設定用ファイルがありません")
VARENTA_MESSAGE(MissingItemFile, "Varentaの項目ファイルがありません")
VARENTA_MESSAGE(EmptyFileName, "ファイル名が入力されていません")
VARENTA_MESSAGE(BadFileName, "ファイル名に誤りがあります")
VARENTA_MESSAGE(UnreadableRemarks, "ファイルが読めません！ \n\rディスク、パス名を確認してください。")
VARENTA_MESSAGE(NoHelpFile, "ヘルプファイル MAIN.HLP はインストールされていません。")

#undef VARENTA_MESSAGE

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
