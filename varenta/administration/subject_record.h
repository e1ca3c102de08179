#pragma once
// The subject record: the ten lines of the remarks file, the age among them,
// as the record form loads and accepts them.
#include "varenta/shell/run_state.h"

#include <array>
#include <string>

namespace varenta {

// The record form's fields in remarks order (Shift-JIS): 氏名, 年齢,
// 実施日, 実施者, 住所, 学歴, 職業, 婚姻状態, 兄弟姉妹, 主症状.
using RecordFields = std::array<std::string, kRemarkLines>;
inline constexpr int kAgeLine = 2;

// What the age field held when the record was accepted.
enum class AgeEntry {
    Accepted,     // a whole number; Age holds it (a negative one brings the form back)
    Empty,        // Age unchanged
    NotANumber,   // letters, a lone sign, ...; Age unchanged
};

// The record form's activation: Remarks from the remarks file when it
// exists (each line at most 80 bytes). Throws common::IoError when an
// existing file cannot be read.
void LoadRecord(RunState& state);

// The record form's OK: Age from the age field when it holds a whole number
// (leading blanks and a sign allowed), then Remarks 1..10 from the fields,
// each cut to 80 bytes at the last whole character, whatever the age was.
AgeEntry AcceptRecord(RunState& state, const RecordFields& fields);

}  // namespace varenta
