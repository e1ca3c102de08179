#pragma once
// The run driver's fixed messages (Shift-JIS) and the wording of failures
// that the driver reports on the spot.
#include <exception>
#include <string>

namespace varenta::messages {

const std::string& MissingConfig();       // 初期設定用ファイルがありません
const std::string& MissingItemFile();     // Varentaの項目ファイルがありません
const std::string& EmptyFileName();       // ファイル名が入力されていません
const std::string& BadFileName();         // ファイル名に誤りがあります
const std::string& UnreadableRemarks();   // two lines joined by LF CR
const std::string& NoHelpFile();          // help file not installed

// A Japanese description of an I/O, input or internal failure, naming the
// file and the system's reason where there is one.
std::string DescribeFailure(const std::exception& failure);

}  // namespace varenta::messages
