#pragma once
// The per-side mark tables: filling one from a marks reply ("MD0"/"MD1")
// and copying it into a caller's buffer.
#include <cstdint>

#include "state.h"

struct OmrMarkInfo;

namespace marklink {

// Sizes the table from the payload and converts it: rows are separated by
// ",", the columns are the characters before the first comma, each mark
// position is stored as its character minus '0'. Returns false (the table
// then holds no marks) when the data could not be obtained.
//
// The walk never reads past the payload: in a reply whose later rows are
// shorter than the first, the positions missing at the end are stored as
// 0 (blank) rather than taken from whatever follows the payload.
bool FillMarkTable(MarkTable& table, const char* payload, std::int32_t length);

// Writes the table's rows and columns into info (size 16) and copies the
// smaller of info's capacity (rows x columns as given) and the table's
// size into buffer. False when there is something to copy but no buffer,
// or when the table holds no marks although its rows and columns were kept
// (after a reset or a failed fetch: a serial fetch with a record that
// finds no marks is a failure, not an empty success); info is written all
// the same.
bool CopyMarks(const MarkTable& table, OmrMarkInfo& info, void* buffer);

}  // namespace marklink
