#include "messages.h"

#include "common/sjis.h"

namespace sheetrun::messages {

#define SHEETRUN_MESSAGE(name, utf8)                          \
    const std::string& name()                                 \
    {                                                         \
        static const std::string text = sjis::FromUtf8(utf8); \
        return text;                                          \
    }

SHEETRUN_MESSAGE(WrongCardType, "マークカードが違います！ ")
SHEETRUN_MESSAGE(BadFileNumberMarks, "ファイル番号欄のマークが正しくありません！")
SHEETRUN_MESSAGE(BadAgeMarks, "年齢欄のマークが正しくありません！")
SHEETRUN_MESSAGE(BadFileName, "ファイル名が正しくありません！")
SHEETRUN_MESSAGE(MissingAgeMark, "年齢欄のマークに欠落があります！")
SHEETRUN_MESSAGE(BadSexMarks, "性別欄のマークが正しくありません！")
SHEETRUN_MESSAGE(CannotWriteFile, "ファイルが作成できません！ \r\nディスク、パス名を確認してください。")
SHEETRUN_MESSAGE(CannotOpenReader, "ＯＭＲデバイスを開けませんでした。")
SHEETRUN_MESSAGE(ReadingMethodRefused, "読み取り方式の設定に失敗しました。")
SHEETRUN_MESSAGE(ColumnCountRefused, "読み取り行数の設定に失敗しました。")
SHEETRUN_MESSAGE(FeedFailed, "シート送りに失敗しました。")
SHEETRUN_MESSAGE(NoMarkCard, "マークカードがありません。")
SHEETRUN_MESSAGE(MissingConfig, "初期設定用ファイルがありません")
SHEETRUN_MESSAGE(Prompt, "マークカードをセットしてください。")

#undef SHEETRUN_MESSAGE

std::string DoubleMarkedItem(int item)
{
    static const std::string before = sjis::FromUtf8("第 ");
    static const std::string after = sjis::FromUtf8(" 項目の[ﾊｲ]と[ｲｲｴ]の両方にマークがあります！");
    return before + std::to_string(item) + after;
}

}  // namespace sheetrun::messages
