#include "common/ini_file.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFile, NamesMatchWithoutCaseAndValuesAsWritten)
{
    auto ini = common::IniFile::Parse("[SETUP]\r\nAi = off \r\nconnect=OFF\r\n");
    EXPECT_EQ(ini.ReadString("Setup", "ai", "ON"), "off");
    EXPECT_EQ(ini.ReadString("setup", "CONNECT", "ON"), "OFF");
    EXPECT_EQ(ini.ReadString("Setup", "graphic", "ON"), "ON");
    EXPECT_EQ(ini.ReadString("Other", "ai", "x"), "x");
}

TEST(IniFile, IntegersFallBackWhenMissingOrNotWhole)
{
    auto ini = common::IniFile::Parse(
        "[S]\nA=abc\nB=-12\nC= 7\nD=1.5\nE=99999999999\nF=\nG=+3\n");
    struct Case {
        const char* key;
        int expected;
    } cases[] = {{"A", 80}, {"B", -12}, {"C", 7}, {"D", 80}, {"E", 80}, {"F", 80},
                 {"G", 3},  {"H", 80}};
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadInteger("S", c.key, 80), c.expected) << c.key;
}

TEST(IniFile, WritingAKeyKeepsEverythingElse)
{
    auto ini = common::IniFile::Parse(
        "; comment\r\n[Setup]\r\nai=ON\r\n\r\n[form]\r\nLEFT=5\r\n\r\n[Reader]\r\ndelaytime=3\r\n");
    ini.WriteInteger("Form", "Left", 10);
    ini.WriteInteger("Form", "Width", 540);
    ini.WriteInteger("New", "K", 1);
    EXPECT_EQ(ini.Text(),
              "; comment\r\n[Setup]\r\nai=ON\r\n\r\n[form]\r\nLEFT=10\r\nWidth=540\r\n\r\n"
              "[Reader]\r\ndelaytime=3\r\n\r\n[New]\r\nK=1\r\n");
}

}  // namespace
