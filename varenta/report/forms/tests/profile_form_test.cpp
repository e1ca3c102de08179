#include "varenta/report/forms/profile_form.h"

#include "temp_dir.h"
#include "varenta/report/forms/report_forms.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varenta::forms {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const QColor kRed(255, 0, 0);

void SetSubject(RunState& state, const std::string& basePath, const int (&scores)[8])
{
    state.BasePath = basePath;
    state.Sex = "MALE";
    state.CodeType = "1+2-";
    state.OutputTarget = "PRN";
    for (int scale = 1; scale <= kScaleCount; ++scale) {
        state.StandardScores[scale] = scores[scale - 1];
        state.RawScores[scale] = scale + 3;
    }
}

// Runs the window modally as the driver does; it must close by itself.
int RunUntilClosed(TfrmProfile& form)
{
    QTimer::singleShot(10000, &form, [&form] { form.done(-1); });  // guard only
    return form.exec();
}

bool IsRed(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == kRed;
}

// Whether any pixel within `radius` of (x, y) is red.
bool RedNear(const QImage& image, int x, int y, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (IsRed(image, x + dx, y + dy))
                return true;
    return false;
}

// A score circle at (x, y): white inside (the lines below it are covered)
// and a red ring about four pixels out in all four directions.
void ExpectRingAt(const QImage& image, int x, int y)
{
    SCOPED_TRACE(::testing::Message() << "circle at " << x << "," << y);
    EXPECT_EQ(image.pixelColor(x, y), QColor(Qt::white));
    auto ringAt = [&](int dx, int dy) {
        for (int r = 3; r <= 5; ++r)
            if (IsRed(image, x + r * dx, y + r * dy))
                return true;
        return false;
    };
    EXPECT_TRUE(ringAt(1, 0));
    EXPECT_TRUE(ringAt(-1, 0));
    EXPECT_TRUE(ringAt(0, 1));
    EXPECT_TRUE(ringAt(0, -1));
}

std::uint32_t Le32(const std::string& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

TEST(ProfileWindow, SavesTheExamplePointsAsAWindowsBitmapAndClosesItself)
{
    TempDir dir;
    const int scores[8] = {49, 57, 53, 48, 45, 50, 41, 63};
    RunState state;
    SetSubject(state, dir / "TARO", scores);
    WriteBytes(dir / "TARO_basic.bmp", "an earlier picture");

    TfrmProfile form(state);
    EXPECT_EQ(RunUntilClosed(form), QDialog::Accepted);  // by its own timer
    EXPECT_FALSE(form.SaveFailure());

    const std::string bytes = ReadBytes(dir / "TARO_basic.bmp");
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Le32(bytes, 2), bytes.size());  // file size field
    EXPECT_EQ(Le32(bytes, 14), 40u);          // BITMAPINFOHEADER
    EXPECT_EQ(Le32(bytes, 18), 480u);
    EXPECT_EQ(Le32(bytes, 22), 480u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // bits per pixel

    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(dir / "TARO_basic.bmp"), "BMP"));
    const int points[8][2] = {{49, 196},  {98, 166},  {148, 180}, {209, 199},
                              {258, 211}, {308, 192}, {357, 227}, {406, 142}};
    for (const auto& p : points)
        ExpectRingAt(image, p[0], p[1]);
    // F joined to Att, E to A; the ? point stands alone.
    EXPECT_TRUE(RedNear(image, 123, 173));
    EXPECT_TRUE(RedNear(image, 233, 205));
    EXPECT_FALSE(RedNear(image, 73, 181, 3));
    // The picture stays white where nothing is drawn.
    EXPECT_EQ(image.pixelColor(470, 470), QColor(Qt::white));
}

// F at 80 and Att at 20 run the line from the top grid line to the bottom
// one; a score of 0 (no norm group) sits on the row of figures.
TEST(ProfileWindow, DrawsScoresAtTheEdgesWithoutClipping)
{
    TempDir dir;
    const int scores[8] = {0, 80, 20, 50, 50, 50, 50, 50};
    RunState state;
    SetSubject(state, dir / "HANAKO", scores);
    state.Sex = "FEMALE";
    state.OutputTarget = "VR.$$$";

    ShowProfile(state, nullptr);

    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(dir / "HANAKO_basic.bmp"), "BMP"));
    ExpectRingAt(image, 98, 77);
    ExpectRingAt(image, 148, 307);
    // y 150 on the line from (98, 77) to (148, 307) is x 114.
    EXPECT_TRUE(RedNear(image, 114, 150));
    // The ring of the ? score 0 around (49, 384); its figure "0" is drawn
    // over the ring's lower right, so only the upper and left sides count.
    EXPECT_TRUE(RedNear(image, 49, 380, 1));
    EXPECT_TRUE(RedNear(image, 45, 384, 1));
}

TEST(ProfileWindow, CaptionTellsWhereTheReportGoes)
{
    const struct {
        const char* target;
        QString caption;
    } cases[] = {
        {"PRN", QStringLiteral("プリンタ出力中！")},
        {"VR.$$$", QStringLiteral("ファイル出力中！")},
    };
    for (const auto& c : cases) {
        RunState state;
        state.OutputTarget = c.target;
        TfrmProfile form(state);
        EXPECT_EQ(form.windowTitle(), c.caption) << c.target;
    }
}

TEST(ProfileWindow, UnwritableBitmapIsReportedAndTheWindowStillCloses)
{
    TempDir dir;
    const int scores[8] = {50, 50, 50, 50, 50, 50, 50, 50};
    RunState state;
    SetSubject(state, dir / "missing/TARO", scores);

    TfrmProfile form(state);
    EXPECT_EQ(RunUntilClosed(form), QDialog::Accepted);
    ASSERT_TRUE(form.SaveFailure());
    EXPECT_FALSE(form.SaveFailure()->empty());
    EXPECT_FALSE(Exists(dir / "missing/TARO_basic.bmp"));
}

// Where nobody is at the screen the driver hands the message on instead of
// leaving a message box open that nobody closes.
TEST(ProfileWindow, UnwritableBitmapGoesToTheGivenMessageSink)
{
    TempDir dir;
    const int scores[8] = {50, 50, 50, 50, 50, 50, 50, 50};
    RunState state;
    SetSubject(state, dir / "missing/TARO", scores);
    std::vector<std::string> messages;
    bool boxShown = false;
    QTimer guard;  // guard only: a message box left open is closed and counted
    QObject::connect(&guard, &QTimer::timeout, [&boxShown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxShown = true;
            box->done(0);
        }
    });
    guard.start(3000);

    ShowProfile(state, nullptr, [&messages](const std::string& text) { messages.push_back(text); });

    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(boxShown);
}

}  // namespace
}  // namespace varenta::forms
