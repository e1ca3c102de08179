#include "messages.h"

#include "common/sjis.h"

namespace sheetrun::messages {

SJIS_FIXED_TEXT(WrongCardType, "マークカードが違います！ ")
SJIS_FIXED_TEXT(BadFileNumberMarks, "ファイル番号欄のマークが正しくありません！")
SJIS_FIXED_TEXT(BadAgeMarks, "年齢欄のマークが正しくありません！")
SJIS_FIXED_TEXT(BadFileName, "ファイル名が正しくありません！")
SJIS_FIXED_TEXT(MissingAgeMark, "年齢欄のマークに欠落があります！")
SJIS_FIXED_TEXT(BadSexMarks, "性別欄のマークが正しくありません！")
SJIS_FIXED_TEXT(CannotWriteFile, "ファイルが作成できません！ \r\nディスク、パス名を確認してください。")
SJIS_FIXED_TEXT(CannotOpenReader, "ＯＭＲデバイスを開けませんでした。")
SJIS_FIXED_TEXT(ReadingMethodRefused, "読み取り方式の設定に失敗しました。")
SJIS_FIXED_TEXT(ColumnCountRefused, "読み取り行数の設定に失敗しました。")
SJIS_FIXED_TEXT(FeedFailed, "シート送りに失敗しました。")
SJIS_FIXED_TEXT(NoMarkCard, "マークカードがありません。")
SJIS_FIXED_TEXT(MissingConfig, "初期設定用ファイルがありません")
SJIS_FIXED_TEXT(Prompt, "マークカードをセットしてください。")

std::string DoubleMarkedItem(int item)
{
    static const std::string before = sjis::FromUtf8("第 ");
    static const std::string after = sjis::FromUtf8(" 項目の[ﾊｲ]と[ｲｲｴ]の両方にマークがあります！");
    return before + std::to_string(item) + after;
}

}  // namespace sheetrun::messages
