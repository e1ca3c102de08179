// The whole system on a deck of three cards: the reader emulator as its own
// process on a socket, sheetrun --start unattended (offscreen), and the real
// varenta started by sheetrun for every card, all installed side by side in
// a temporary directory with their own varenta.ini.
#include "card_fixture.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "deck_text.h"
#include "varenta/shell/subject_files.h"
#include "varenta/shell/tests/test_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sheetrun {
namespace {

using testing::CardBuilder;
using testing::DeckCard;
namespace fs = std::filesystem;

struct Subject {
    std::string number;
    int age;
    bool male;
    CardBuilder card;
    std::vector<int> answers;
};

Subject MakeSubject(std::vector<int> digits, std::string number, int age, bool male, int seed)
{
    Subject s{std::move(number), age, male, {}, std::vector<int>(70, 0)};
    s.card.FileNumber(digits).Age(age >= 10 ? age / 10 : -1, age % 10).Sex(male, !male);
    for (int item = 1; item <= 70; ++item) {
        const int a = (item * seed) % 5 == 0 ? 0 : (item * seed) % 2 == 0 ? 1 : -1;
        s.answers[static_cast<std::size_t>(item - 1)] = a;
        if (a != 0)
            s.card.Answer(item, a);
    }
    return s;
}

// Starts argv[0] with argv, in directory cwd, extra environment set, stdout
// and stderr to files. Returns the child's pid.
pid_t Start(const std::vector<std::string>& args, const std::string& cwd,
            const std::vector<std::pair<std::string, std::string>>& env, const std::string& out,
            const std::string& err)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(cwd.c_str()) != 0)
            ::_exit(126);
        for (const auto& [key, value] : env)
            ::setenv(key.c_str(), value.c_str(), 1);
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(o, 1);
        ::dup2(e, 2);
        std::vector<char*> argv;
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

// The exit status, or -1 when the process had to be killed after timeoutS.
int WaitFor(pid_t pid, int timeoutS)
{
    for (int i = 0; i < timeoutS * 10; ++i) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        ::usleep(100000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return -1;
}

TEST(EndToEnd, ThreeCardsBecomeThreeScoredSubjects)
{
    varenta::testing::TempWorkDir tmp;
    const std::string install = tmp / "install";
    const std::string data = tmp / "data";
    const std::string work = tmp / "work";
    for (const auto& d : {install, data, work})
        fs::create_directory(d);
    for (const char* file : {SHEETRUN_PROGRAM, VARENTA_PROGRAM, VARENTA_ITEM_FILE})
        fs::copy_file(file, install + "/" + fs::path(file).filename().string());
    common::WriteFileAtomically(install + "/varenta.ini",
                                "[Setup]\r\ndirectory=" + data +
                                    "\r\nai=ON\r\ngraphic=OFF\r\nconnect=ON\r\n[Reader]\r\ndelaytime=0\r\n");

    Subject subjects[] = {
        MakeSubject({1, 0, 1}, "101", 19, true, 1),
        MakeSubject({0, 0, 1, 0, 2}, "102", 34, false, 3),
        MakeSubject({2, -1, 0, 0, 3}, "2003", 7, false, 7),
    };
    std::string deck = "# three subjects\n";
    for (const auto& s : subjects)
        deck += DeckCard(s.card) + "\n";
    common::WriteFileAtomically(tmp / "deck.txt", deck);
    const std::string name = sjis::FromUtf8("鈴木一郎");
    common::WriteFileAtomically(data + "/101.TXT", name + "\r\n");

    const pid_t emulator = Start({READER_EMULATOR_PROGRAM, "--socket", tmp / "omr0", "--deck", tmp / "deck.txt"},
                                 tmp.path(), {}, tmp / "emulator.out", tmp / "emulator.err");
    for (int i = 0; i < 100 && !fs::exists(tmp / "omr0"); ++i)
        ::usleep(50000);
    ASSERT_TRUE(fs::exists(tmp / "omr0")) << common::ReadFile(tmp / "emulator.err");

    const pid_t sheetrun = Start({install + "/sheetrun", "--start"}, work,
                                 {{"MARKLINK_USB_PATH", tmp / "omr%d"}, {"QT_QPA_PLATFORM", "offscreen"}},
                                 tmp / "sheetrun.out", tmp / "sheetrun.err");
    const int status = WaitFor(sheetrun, 120);
    ::kill(emulator, SIGTERM);
    WaitFor(emulator, 10);

    const std::string err = common::ReadFile(tmp / "sheetrun.err");
    EXPECT_EQ(status, 0) << err;
    EXPECT_NE(err.find("シート送りに失敗しました。"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(work + "/CARD.$$$"));
    EXPECT_TRUE(fs::exists(work + "/$$$"));  // the last subject's printer work file

    for (const auto& s : subjects) {
        const std::string base = data + "/" + s.number;
        SCOPED_TRACE(base);
        EXPECT_EQ(common::ReadFile(base + ".VRT"),
                  varenta::FormatAnswerFile(s.male ? "MALE" : "FEMALE", s.answers));
        std::vector<std::string> remarks(10);
        remarks[0] = s.number == "101" ? name : "";
        remarks[1] = std::to_string(s.age);
        EXPECT_EQ(common::ReadFile(base + ".REM"), varenta::FormatRemarks(remarks));
        for (const char* suffix : {".RAW", ".ZSC", ".AIM"}) {
            ASSERT_TRUE(common::FileExists(base + suffix)) << suffix;
            EXPECT_FALSE(common::ReadFile(base + suffix).empty()) << suffix;
        }
    }
}

}  // namespace
}  // namespace sheetrun
