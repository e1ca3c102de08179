#include "section_texts.h"

#include "messlib.h"

#include "common/sjis.h"

namespace varenta {

namespace {

std::string Joined(const Pieces& pieces)
{
    std::string text;
    for (const std::string& piece : pieces)
        text += piece;
    return text;
}

SectionTexts MakeTexts()
{
    SectionTexts t;
    t.title = sjis::FromUtf8("［　自動解釈　］");
    t.attitudeHeading = sjis::FromUtf8("<<  受検態度  >>");
    t.characterHeading = sjis::FromUtf8("<<  基本的性格  >>");
    t.impressionHeading = sjis::FromUtf8("<<  全体的印象　>>");
    const Pieces headings = SjisPieces({"E    外向性", "A    協調性", "C    良識性",
                                        "N    情緒安定性", "O    知的好奇心"});
    for (std::size_t i = 0; i < t.scaleHeadings.size(); ++i)
        t.scaleHeadings[i] = headings[i];
    t.indent = sjis::FromUtf8("　");

    t.veryDoubtfulOpening = Joined(SjisPieces({
        "　",
        "この検査結果の妥当性は、きわめて疑わしいと思われます。",
        "すなわち、",
    }));
    t.veryDoubtfulClosing = Joined(SjisPieces({
        "　",
        "したがって、自動解釈の内容も保証することはできません。",
        "できれば検査を受け直すことをお勧めします。",
        "以下の解釈は参考として印刷するものです。",
    }));
    t.somewhatDoubtfulOpening = Joined(SjisPieces({
        "　",
        "この検査結果の妥当性は、いくぶん疑わしいと思われます。",
        "すなわち、",
    }));
    t.somewhatDoubtfulClosing = Joined(SjisPieces({
        "　",
        "したがって、できれば検査を受け直すことをお勧めします。",
        "正確とはいえないまでも、現在の心の状態はある程度反映されていると考えられますので、",
        "以下の解釈は参考資料の一つとしてご利用ください。",
    }));
    t.trustworthyOpening = Joined(SjisPieces({
        "　",
        "この検査結果は、おそらく信頼してよいと考えられます。",
        "実際の姿が正確に描かれ、現在の心の状態も反映されているでしょう。",
    }));

    t.moreover = sjis::FromUtf8("また、");
    t.however = sjis::FromUtf8("ただし、");
    return t;
}

}  // namespace

const SectionTexts& InterpretationTexts()
{
    static const SectionTexts kTexts = MakeTexts();
    return kTexts;
}

}  // namespace varenta
