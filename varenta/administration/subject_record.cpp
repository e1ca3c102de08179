#include "subject_record.h"

#include "common/ini_file.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "varenta/shell/subject_files.h"

namespace varenta {

void LoadRecord(RunState& state)
{
    if (common::FileExists(RemarksPath(state.BasePath)))
        ReadRemarksInto(state);
}

AgeEntry AcceptRecord(RunState& state, const RecordFields& fields)
{
    AgeEntry entry = AgeEntry::Empty;
    const std::string& age = fields[kAgeLine - 1];
    if (!age.empty()) {
        if (auto value = common::ParseWholeNumber(age)) {
            state.Age = *value;
            entry = AgeEntry::Accepted;
        } else {
            entry = AgeEntry::NotANumber;
        }
    }
    for (int line = 1; line <= kRemarkLines; ++line)
        state.Remarks[line] =
            std::string(sjis::CutBytes(fields[static_cast<std::size_t>(line - 1)], kRemarkBytes));
    return entry;
}

}  // namespace varenta
