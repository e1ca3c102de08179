// Status pairs, device condition codes and their English and Japanese
// texts. This file is compiled with a Shift-JIS (CP932) execution character
// set, so every Japanese literal below is stored as Shift-JIS bytes.
#include "status_table.h"

namespace marklink {
namespace {

constexpr StatusRow kRows[] = {
    {0, 0, PairSide::kLibrary, 0x00000000u, "Normal", "正常"},
    {0, 0, PairSide::kLibrary, 0x00000001u, "Unsuccessful", "エラー終了(詳細不明)"},
    {0, 0, PairSide::kLibrary, 0x00000002u, "OMR not yet connected", "OMR未接続"},
    {0, 0, PairSide::kLibrary, 0x00000003u, "Worng Parameter", "パラメータが不正"},
    {0, 0, PairSide::kLibrary, 0x00000004u, "Cannot Memory allocate", "メモリ確保失敗"},
    {0, 0, PairSide::kLibrary, 0x00000005u, "Communication Timeout", "通信タイムアウト"},
    {0, 0, PairSide::kLibrary, 0x00000006u, "NAK was received", "NAKを受信"},
    {0, 0, PairSide::kLibrary, 0x00000007u, "Received Wrong response", "レスポンス形式が不正"},
    {'A', '1', PairSide::kEither, 0x00010000u, "Main Body Unit:Memory Error 1", "本体ユニット：メモリエラー１"},
    {'A', '2', PairSide::kEither, 0x00010001u, "Main Body Unit:Memory Error 2", "本体ユニット：メモリエラー２"},
    {'A', '3', PairSide::kEither, 0x00010002u, "Main Body Unit:Hopper Drive Error", "本体ユニット：ホッパ駆動エラー"},
    {'A', '4', PairSide::kEither, 0x00010003u, "Main Body Unit:Download Error", "本体ユニット：ダウンロードエラー"},
    {'A', '5', PairSide::kEither, 0x00010004u, "Main Body Unit:Sensor Type Error", "本体ユニット：センサタイプエラー"},
    {'A', '6', PairSide::kEither, 0x00010005u, "Main Body Unit:Option Error", "本体ユニット：オプションエラー"},
    {'A', '7', PairSide::kEither, 0x00010006u, "Main Body Unit:Un-Connecting Select Stacker Unit", "本体ユニット：スタッカユニット未接続エラー"},
    {'A', '8', PairSide::kEither, 0x00010007u, "Main Body Unit:Power voltage Error", "本体ユニット：電源電圧エラー"},
    {'B', '1', PairSide::kFront, 0x01020000u, "Front Reading Unit:Communication Error", "表面読取ユニット：通信回線エラー"},
    {'B', '1', PairSide::kBack, 0x02020000u, "Back Reading Unit:Communication Error", "裏面読取ユニット：通信回線エラー"},
    {'B', '2', PairSide::kFront, 0x01020001u, "Front Reading Unit:Internal Communication Error", "表面読取ユニット：内部通信エラー"},
    {'B', '2', PairSide::kBack, 0x02020001u, "Back Reading Unit:Internal Communication Error", "裏面読取ユニット：内部通信エラー"},
    {'B', '3', PairSide::kFront, 0x01020002u, "Front Reading Unit:Memory Error", "表面読取ユニット：メモリエラー"},
    {'B', '3', PairSide::kBack, 0x02020002u, "Back Reading Unit:Memory Error", "裏面読取ユニット：メモリエラー"},
    {'B', '4', PairSide::kFront, 0x01020003u, "Front Reading Unit:Adjusted Value Error", "表面読取ユニット：補正値エラー"},
    {'B', '4', PairSide::kBack, 0x02020003u, "Back Reading Unit:Adjusted Value Error", "裏面読取ユニット：補正値エラー"},
    {'B', '5', PairSide::kFront, 0x01020004u, "Front Reading Unit:Download Error", "表面読取ユニット：ダウンロードエラー"},
    {'B', '5', PairSide::kBack, 0x02020004u, "Back Reading Unit:Download Error", "裏面読取ユニット：ダウンロードエラー"},
    {'B', '6', PairSide::kFront, 0x01020005u, "Front Reading Unit:Internal Error", "表面読取ユニット：内部エラー"},
    {'B', '6', PairSide::kBack, 0x02020005u, "Back Reading Unit:Internal Error", "裏面読取ユニット：内部エラー"},
    {'B', '7', PairSide::kFront, 0x01020006u, "Front Reading Unit:Version Error", "表面読取ユニット：バージョンエラー"},
    {'B', '7', PairSide::kBack, 0x02020006u, "Back Reading Unit:Version Error", "裏面読取ユニット：バージョンエラー"},
    {'C', '1', PairSide::kEither, 0x03030000u, "Barcode Unit:Communication Error", "バーコードユニット：通信回線エラー"},
    {'C', '2', PairSide::kEither, 0x03030001u, "Barcode Unit:Internal Communication Error", "バーコードユニット：内部通信エラー"},
    {'C', '3', PairSide::kEither, 0x03030002u, "Barcode Unit:Memory Error", "バーコードユニット：メモリエラー"},
    {'C', '4', PairSide::kEither, 0x03030003u, "Barcode Unit:Sensor Error", "バーコードユニット：センサエラー"},
    {'C', '5', PairSide::kEither, 0x03030004u, "Barcode Unit:Download Error", "バーコードユニット：ダウンロードエラー"},
    {'C', '6', PairSide::kEither, 0x03030005u, "Barcode Unit:Internal Error", "バーコードユニット：内部エラー"},
    {'C', '7', PairSide::kEither, 0x03030006u, "Barcode Unit:Version Error", "バーコードユニット：バージョンエラー"},
    {'D', '1', PairSide::kEither, 0x04040000u, "Printer Unit:Communication Error", "プリンタユニット：通信回線エラー"},
    {'D', '2', PairSide::kEither, 0x04040001u, "Printer Unit:Internal Communication Error", "プリンタユニット：内部通信エラー"},
    {'D', '3', PairSide::kEither, 0x04040002u, "Printer Unit:Memory Error", "プリンタユニット：メモリエラー"},
    {'D', '4', PairSide::kEither, 0x04040003u, "Printer Unit:Download Error", "プリンタユニット：ダウンロードエラー"},
    {'D', '5', PairSide::kEither, 0x04040004u, "Printer Unit:Internal Error", "プリンタユニット：内部エラー"},
    {'D', '6', PairSide::kEither, 0x04040005u, "Printer Unit:Version Error", "プリンタユニット：バージョンエラー"},
    {'E', '1', PairSide::kEither, 0x05050000u, "Select Stacker Unit:Communication Error", "スタッカユニット：通信回線エラー"},
    {'E', '2', PairSide::kEither, 0x05050001u, "Select Stacker Unit:Internal Com. Error", "スタッカユニット：内部通信エラー"},
    {'E', '3', PairSide::kEither, 0x05050002u, "Select Stacker Unit:Memory Error", "スタッカユニット：メモリエラー"},
    {'E', '4', PairSide::kEither, 0x05050003u, "Select Stacker Unit:Download Error", "スタッカユニット：ダウンロードエラー"},
    {'E', '5', PairSide::kEither, 0x05050004u, "Select Stacker Unit:Internal Error", "スタッカユニット：内部エラー"},
    {'E', '6', PairSide::kEither, 0x05050005u, "Select Stacker Unit:Version Error", "スタッカユニット：バージョンエラー"},
    {'F', '1', PairSide::kEither, 0x1F060000u, "Over Run Error", "オーバーランエラー"},
    {'F', '2', PairSide::kEither, 0x1F060001u, "Parity Error", "パリティエラー"},
    {'F', '3', PairSide::kEither, 0x1F060002u, "Framing Error", "フレーミングエラー"},
    {'F', '4', PairSide::kEither, 0x1F060003u, "CRC Non-fit Error", "CRC不一致"},
    {'F', '5', PairSide::kEither, 0x1F060004u, "Command Error", "コマンドエラー"},
    {'F', '6', PairSide::kEither, 0x1F060005u, "Parameter Error", "パラメーターエラー"},
    {'F', '7', PairSide::kEither, 0x1F060006u, "Protocol Error", "プロトコルエラー"},
    {'G', '1', PairSide::kEither, 0x20070000u, "Main Body Unit:Cover Open", "本体ユニット：カバーオープン"},
    {'G', '2', PairSide::kEither, 0x25070001u, "Select Stacker Unit:Cover Open", "スタッカユニット：カバーオープン"},
    {'H', '1', PairSide::kEither, 0x30080000u, "Main Body Unit:No Feed", "本体ユニット：ノーフィード"},
    {'H', '2', PairSide::kEither, 0x30080001u, "Main Body Unit:Jam In Hopper", "本体ユニット：給紙検知部ジャム"},
    {'H', '3', PairSide::kEither, 0x30080002u, "Main Body Unit:Jam In Reading-Sensor", "本体ユニット：読み取り開始検知部ジャム"},
    {'H', '4', PairSide::kEither, 0x30080003u, "Main Body Unit:Jam In End Of Main Body", "本体ユニット：排紙検知部ジャム"},
    {'I', '1', PairSide::kEither, 0x35090000u, "Select Stacker Unit:Jam In Way Of Printer In", "スタッカユニット：プリンタ印字開始検知部ジャム"},
    {'I', '2', PairSide::kEither, 0x35090001u, "Select Stacker Unit:Jam In Main Stacker", "スタッカユニット：メイン排紙部ジャム"},
    {'I', '3', PairSide::kEither, 0x35090002u, "Select Stacker Unit:Jam In Sub Stacker", "スタッカユニット：セレクト排紙部ジャム"},
    {'P', '1', PairSide::kEither, 0x42100000u, "Back Reading Unit:Un-Connecting", "裏面読み取りユニット：未接続"},
    {'P', '2', PairSide::kEither, 0x43100001u, "Barcode Unit:Un-Connecting", "バーコードユニット：未接続"},
    {'P', '3', PairSide::kEither, 0x44100002u, "Printer Unit:Un-Connecting", "プリンタユニット：未接続"},
    {'P', '4', PairSide::kEither, 0x45100003u, "Select Stacker Unit:Un-Connecting", "スタッカユニット：未接続"},
    {'Q', '1', PairSide::kEither, 0x40110000u, "Sheet Empty", "シートエンプティ"},
    {'Q', '2', PairSide::kEither, 0x40110001u, "Double Feed Error", "ダブルフィードエラー"},
    {'Q', '3', PairSide::kEither, 0x40110002u, "Left End Skew Error", "左端スキューエラー"},
    {'Q', '4', PairSide::kEither, 0x40110003u, "Mark Skew Error", "マークスキューエラー"},
    {'R', '1', PairSide::kEither, 0x40120000u, "Hopper Stops", "ホッパ緊急停止"},
    {'R', '2', PairSide::kEither, 0x40120001u, "Drawing Out Error", "引き抜きエラー"},
    {'R', '3', PairSide::kEither, 0x40120002u, "Timeout", "シート挿入タイムアウト"},
    {'R', '4', PairSide::kFront, 0x41120003u, "Front Reading Unit:Timing Mark Error", "表面読取ユニット：タイミングマークエラー"},
    {'R', '4', PairSide::kBack, 0x42120003u, "Back Reading Unit:Timing Mark Error", "裏面読取ユニット：タイミングマークエラー"},
    {'R', '5', PairSide::kFront, 0x41120004u, "Front Reading Unit:Setting Error", "表面読取ユニット：読み取り設定エラー"},
    {'R', '5', PairSide::kBack, 0x42120004u, "Back Reading Unit:Setting Error", "裏面読取ユニット：読み取り設定エラー"},
    {'S', '1', PairSide::kFront, 0x41130000u, "Front Reading Unit:White Level Error", "表面読取ユニット：白レベルエラー"},
    {'S', '1', PairSide::kBack, 0x42130002u, "Back Reading Unit:White Level Error", "裏面読取ユニット：白レベルエラー"},
    {'S', '2', PairSide::kFront, 0x41130001u, "Front Reading Unit:Black Level Error", "表面読取ユニット：黒レベルエラー"},
    {'S', '2', PairSide::kBack, 0x42130003u, "Back Reading Unit:Black Level Error", "裏面読取ユニット：黒レベルエラー"},
    {'S', '3', PairSide::kEither, 0x40130002u, "RDPS(Reading-Position-Sensor) Stain Error", "読取り開始検知センサ汚れエラー"},
    {'S', '4', PairSide::kEither, 0x40130003u, "SKS(Skew-Sensor) Stain Error", "スキューセンサ汚れエラー"},
    {'T', '1', PairSide::kEither, 0x40140000u, "Main Body Unit:Form Left In Hopper", "本体ユニット：給紙検知部残紙"},
    {'T', '2', PairSide::kEither, 0x40140001u, "Main Body Unit:Form Left In Reading-Sensor", "本体ユニット：読み取り開始検知部残紙"},
    {'T', '3', PairSide::kEither, 0x40140002u, "Main Body Unit:Form Left In End Of Main Body", "本体ユニット：排紙検知部残紙"},
    {'T', '4', PairSide::kEither, 0x45140003u, "Select Stacker Unit:Form Left In Printer-In", "スタッカユニット：プリンタ印字開始検知部残紙"},
    {'T', '5', PairSide::kEither, 0x45140004u, "Select Stacker Unit:Form Left In Main Stacker", "スタッカユニット：メイン排紙部残紙"},
    {'T', '6', PairSide::kEither, 0x45140005u, "Select Stacker Unit:Form Left In Sub Stacker", "スタッカユニット：セレクト排紙部残紙"},
    {'R', '4', PairSide::kBoth, 0x40120003u, "Front and Back Reading Unit:Timing Mark Error", "表面/裏面読取ユニット：タイミングマークエラー"},
    {'R', '5', PairSide::kBoth, 0x40120004u, "Front and Back Reading Unit:Setting Error", "表面/裏面読取ユニット:読み取り設定エラー"},
};

}  // namespace

std::span<const StatusRow> StatusTable()
{
    return kRows;
}

const char* UnknownStatusText(bool japanese)
{
    return japanese ? "未定義のステータス情報" : "Received unknown status";
}

const char* LanguageErrorText()
{
    return "Language parameter error";
}

}  // namespace marklink
