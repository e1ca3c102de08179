#include "administration_texts.h"

#include "common/errors.h"
#include "common/sjis.h"

#include <array>

namespace varenta::texts {

const std::string& InstructionLine(int line)
{
    static const std::array<std::string, kInstructionLines> lines = {
        sjis::FromUtf8("　だいたい自分にあてはまるときは「はい」を、そうでない"),
        sjis::FromUtf8("ときは「いいえ」を選んでください。深く考えこまないで、"),
        sjis::FromUtf8("感じたままを選んでください。どうしても決められないときは"),
        sjis::FromUtf8("「？」を選んでください。選ぶときには、マウスの左ボタンを"),
        sjis::FromUtf8("押します。やり方がわからない人は先生に聞きましょう。"),
        sjis::FromUtf8("　途中でやめたいときは、「中断」を選んでください。"),
        sjis::FromUtf8("  質問を始めたいと思いますが、よろしいでしょうか？"),
    };
    if (line < 1 || line > kInstructionLines)
        throw common::InternalError("instruction line " + std::to_string(line) + " outside 1..7");
    return lines[static_cast<std::size_t>(line - 1)];
}

SJIS_FIXED_TEXT(UndecidedMessage,
             "申し訳ありませんが、\n\r"
             "あなたの答えには「？」が多いようです。\n\r"
             "これから「？」と答えた質問だけを、もう一度出します。\n\r"
             "「はい」か「いいえ」で答えられないか、\n\r"
             "どうかよく考えてください。")

SJIS_FIXED_TEXT(InterruptionQuestion,
             "中断すると今の質問までの回答しか保存しません。\r\n"
             "Varentaの実施を中断してよろしいですか？")

SJIS_FIXED_TEXT(CompleteEndText,
             "質問はこれで終りです。\r\n"
             "長時間、ご協力ありがとうございました。")

SJIS_FIXED_TEXT(InterruptedEndText,
             "Varentaの実施を中断しました。\r\n"
             "作業結果は保存しましたから、\r\n"
             "別の機会にこの続きができます。")

SJIS_FIXED_TEXT(AnswersNotSavedText,
             "回答を保存できませんでした。\r\n"
             "検査者に知らせてください。")

SJIS_FIXED_TEXT(EnterAgeMessage, "年齢を入力してください")
SJIS_FIXED_TEXT(AgeNotNumberMessage, "年齢は半角の数字で入力してください")
SJIS_FIXED_TEXT(ChooseSexMessage, "男性か女性か、選択してください")

std::string UnstorableFieldMessage(int line)
{
    static const std::array<const char*, 10> names = {
        "氏名", "年齢", "実施日", "実施者", "住所", "学歴", "職業", "婚姻状態", "兄弟姉妹", "主症状",
    };
    if (line < 1 || line > static_cast<int>(names.size()))
        throw common::InternalError("record line " + std::to_string(line) + " outside 1..10");
    return sjis::FromUtf8(std::string("「") + names[static_cast<std::size_t>(line - 1)] +
                          "」に使えない文字があります。別の文字で入力してください");
}

}  // namespace varenta::texts
