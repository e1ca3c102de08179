#pragma once
// What the questionnaire shows to the subject, and nothing else. The
// program implements it with the administration forms; tests implement it
// with a scripted subject. All texts are Shift-JIS.
#include "varenta/administration/item_rows.h"

#include <string>

namespace varenta {

// The buttons of the item form.
enum class ItemChoice {
    Yes,        // はい
    No,         // いいえ
    Undecided,  // ？
    Back,       // 戻る
    Interrupt,  // 中断
};

// One showing of one item.
struct ItemView {
    int item = 0;  // the item's number, CurrentItem
    ItemRows rows;
    bool backEnabled = false;
    bool interruptEnabled = true;
};

class QuestionnaireUi {
public:
    virtual ~QuestionnaireUi() = default;

    // The empty backdrop behind the questionnaire; shown without waiting and
    // kept until the administration ends.
    virtual void ShowBackdrop() = 0;
    // The instructions; returns when the subject has read them.
    virtual void ShowInstruction() = 0;
    // Shows the item and returns the button the subject pressed. A disabled
    // button cannot be the answer; if it is, the item is shown again.
    virtual ItemChoice ShowItem(const ItemView& view) = 0;
    // A modal message (lines may be LF CR separated).
    virtual void ShowMessage(const std::string& text) = 0;
    // The OK/Cancel question of an interruption; true for OK.
    virtual bool ConfirmInterruption(const std::string& text) = 0;
    // The end message, after the answer file has been written; returns when
    // it has been closed.
    virtual void ShowEndMessage(const std::string& text) = 0;
};

}  // namespace varenta
