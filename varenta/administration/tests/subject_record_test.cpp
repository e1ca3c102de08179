#include "varenta/administration/subject_record.h"

#include "common/sjis.h"
#include "common/text_file.h"
#include "temp_dir.h"
#include "varenta/shell/subject_files.h"

#include <gtest/gtest.h>

namespace varenta {
namespace {

RecordFields Fields(const std::string& age)
{
    RecordFields fields;
    fields[0] = sjis::FromUtf8("山田花子");
    fields[1] = age;
    fields[9] = "none";
    return fields;
}

struct AgeCase {
    const char* name;
    std::string field;
    AgeEntry entry;
    int age;  // Age afterwards; it was 12 before
};

class AgeFieldTest : public ::testing::TestWithParam<AgeCase> {};

TEST_P(AgeFieldTest, SetsAgeOnlyFromAWholeNumberButKeepsTheFieldsAlways)
{
    const AgeCase& c = GetParam();
    RunState state;
    state.Age = 12;
    EXPECT_EQ(AcceptRecord(state, Fields(c.field)), c.entry);
    EXPECT_EQ(state.Age, c.age);
    EXPECT_EQ(state.Remarks[1], sjis::FromUtf8("山田花子"));
    EXPECT_EQ(state.Remarks[2], c.field);
    EXPECT_EQ(state.Remarks[10], "none");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AgeFieldTest,
    ::testing::Values(AgeCase{"Number", "35", AgeEntry::Accepted, 35},
                      AgeCase{"Zero", "0", AgeEntry::Accepted, 0},
                      AgeCase{"LeadingBlank", " 7", AgeEntry::Accepted, 7},
                      // Accepted as typed; the driver shows the form again.
                      AgeCase{"Negative", "-5", AgeEntry::Accepted, -5},
                      AgeCase{"Empty", "", AgeEntry::Empty, 12},
                      AgeCase{"Letters", "abc", AgeEntry::NotANumber, 12},
                      AgeCase{"LoneSign", "-", AgeEntry::NotANumber, 12},
                      AgeCase{"TrailingLetter", "1a", AgeEntry::NotANumber, 12},
                      AgeCase{"FullWidthDigits", sjis::FromUtf8("３５"), AgeEntry::NotANumber, 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SubjectRecord, FieldsAreCutAt80BytesWithoutSplittingACharacter)
{
    std::string fifty;  // 50 double-byte characters, 100 bytes
    for (int i = 0; i < 50; ++i)
        fifty += sjis::FromUtf8("漢");
    RecordFields fields;
    fields[0] = fifty;
    fields[1] = "30";
    fields[2] = std::string(79, 'x') + sjis::FromUtf8("日");

    RunState state;
    AcceptRecord(state, fields);
    EXPECT_EQ(state.Remarks[1], fifty.substr(0, 80));
    EXPECT_EQ(state.Remarks[3], std::string(79, 'x'));
}

TEST(SubjectRecord, LoadReadsAnExistingRemarksFileAndLeavesANewSubjectEmpty)
{
    testing::TempDir dir;
    RunState state;
    state.BasePath = dir / "abc";
    LoadRecord(state);
    EXPECT_EQ(state.Remarks, RunState().Remarks);

    common::WriteFileAtomically(RemarksPath(state.BasePath),
                                "Name\r\n41\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nlast\r\n");
    LoadRecord(state);
    EXPECT_EQ(state.Remarks[1], "Name");
    EXPECT_EQ(state.Remarks[2], "41");
    EXPECT_EQ(state.Remarks[10], "last");
    EXPECT_EQ(state.Age, -1);  // the age is taken only when the form is accepted
}

}  // namespace
}  // namespace varenta
