#pragma once
// The fixed Japanese texts of subject registration and of the on-screen
// questionnaire, as Shift-JIS bytes (each converted once, on first use).
// Multi-line messages keep the separators the forms expect: CR LF in the
// end texts and the interruption question, LF CR in the undecided-answers
// message.
#include <string>

namespace varenta::texts {

// Instruction form, lines 1..7. Lines 1 to 5 are one running text broken
// across the labels; line 6 tells how to stop; line 7 asks to begin.
// Sizes in bytes: 54, 54, 56, 56, 52, 50, 50.
inline constexpr int kInstructionLines = 7;
const std::string& InstructionLine(int line);

// Five lines joined by LF CR, 182 bytes: shown before the repeat pass when
// five or more answers are "？".
const std::string& UndecidedMessage();

// The OK/Cancel question of the interruption (two lines, CR LF).
const std::string& InterruptionQuestion();

// End message texts (lines joined by CR LF).
const std::string& CompleteEndText();
const std::string& InterruptedEndText();
// Shown instead of the end text when the answer file could not be written;
// the failure's description follows on the next lines.
const std::string& AnswersNotSavedText();

// Subject record form and new-file form messages.
const std::string& EnterAgeMessage();     // 年齢を入力してください
const std::string& AgeNotNumberMessage(); // the age field holds no whole number
const std::string& ChooseSexMessage();    // 男性か女性か、選択してください

// The record field of the given remarks line (1..10) holds a character that
// Shift-JIS cannot store.
std::string UnstorableFieldMessage(int line);

}  // namespace varenta::texts
