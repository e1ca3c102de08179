#include "varenta/report/forms/preview_placement.h"

#include "common/errors.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace varenta {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(PreviewPlacement, FileLiesInTheGivenDirectory)
{
    EXPECT_EQ(PlacementFilePath("/opt/varenta"), "/opt/varenta/PrintImage.ini");
    EXPECT_EQ(PlacementFilePath("/opt/varenta/"), "/opt/varenta/PrintImage.ini");
    EXPECT_EQ(PlacementFilePath("/"), "/PrintImage.ini");
}

TEST(PreviewPlacement, MissingFileGivesTheDefaults)
{
    TempDir dir;
    EXPECT_EQ(ReadPlacement(dir / "PrintImage.ini"), (WindowPlacement{0, 0, 680, 530, false}));
}

TEST(PreviewPlacement, RoundTripKeepsTheRestOfTheFile)
{
    TempDir dir;
    const std::string path = dir / "PrintImage.ini";
    WriteBytes(path, "[Other]\r\nKey=1\r\n");
    WritePlacement(path, {-20, 35, 900, 700});
    EXPECT_EQ(ReadPlacement(path), (WindowPlacement{-20, 35, 900, 700, true}));
    EXPECT_NE(ReadBytes(path).find("[Other]\r\nKey=1\r\n"), std::string::npos);
}

TEST(PreviewPlacement, UnusableValuesGiveTheirDefaults)
{
    TempDir dir;
    const std::string path = dir / "PrintImage.ini";
    WriteBytes(path, "[Form]\r\nLeft=12\r\nTop=abc\r\nWidth=0\r\nHeight=-5\r\n");
    EXPECT_EQ(ReadPlacement(path), (WindowPlacement{12, 0, 680, 530, false}));
}

TEST(PreviewPlacement, UnwritableFileThrows)
{
    TempDir dir;
    EXPECT_THROW(WritePlacement(dir / "missing/PrintImage.ini", {}), common::IoError);
}

}  // namespace
}  // namespace varenta
