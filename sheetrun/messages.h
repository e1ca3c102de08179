#pragma once
// Sheetrun's fixed messages, Shift-JIS.
#include <string>

namespace sheetrun::messages {

const std::string& WrongCardType();        // マークカードが違います！
const std::string& BadFileNumberMarks();   // ファイル番号欄のマークが正しくありません！
const std::string& BadAgeMarks();          // 年齢欄のマークが正しくありません！
const std::string& BadFileName();          // ファイル名が正しくありません！
const std::string& MissingAgeMark();       // 年齢欄のマークに欠落があります！
const std::string& BadSexMarks();          // 性別欄のマークが正しくありません！
std::string DoubleMarkedItem(int item);    // 第 n 項目の[ﾊｲ]と[ｲｲｴ]の両方に…
const std::string& CannotWriteFile();      // two lines joined by CR LF
const std::string& CannotOpenReader();
const std::string& ReadingMethodRefused();
const std::string& ColumnCountRefused();
const std::string& FeedFailed();
const std::string& NoMarkCard();
const std::string& MissingConfig();        // 初期設定用ファイルがありません
const std::string& Prompt();               // マークカードをセットしてください。

}  // namespace sheetrun::messages
