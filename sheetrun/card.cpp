#include "card.h"

#include "common/errors.h"
#include "messages.h"
#include "varenta/shell/subject_files.h"

#include <vector>

namespace sheetrun {

namespace {

constexpr int kDigitPositions = 10;  // positions 1..10 carry the digits 9..0
constexpr int kFileNumberRows = 8;
constexpr int kAgeTensRow = 9;
constexpr int kAgeUnitsRow = 10;
constexpr int kSexPosition = 11;
constexpr int kMaleRow = 11;
constexpr int kFemaleRow = 12;
constexpr int kFirstAnswerRow = 11;
constexpr int kCardTypeRow = 25;
constexpr int kCardTypePosition = 12;

int MarksInDigitRow(const MarkGrid& grid, int row)
{
    int count = 0;
    for (int p = 1; p <= kDigitPositions; ++p)
        count += grid.Marked(row, p) ? 1 : 0;
    return count;
}

// The digit of a row (10 - position of its first mark), or -1 when the row
// has no mark.
int DigitOfRow(const MarkGrid& grid, int row)
{
    for (int p = 1; p <= kDigitPositions; ++p)
        if (grid.Marked(row, p))
            return 10 - p;
    return -1;
}

}  // namespace

MarkGrid MarkGrid::FromBuffer(const std::uint8_t* buffer)
{
    MarkGrid grid;
    for (std::size_t i = 0; i < kCardBytes; ++i)
        grid.cells_[i] = buffer[i] >= kMarkThreshold;
    return grid;
}

std::size_t MarkGrid::index(int row, int position)
{
    if (row < 1 || row > kCardRows || position < 1 || position > kCardPositions)
        throw common::InternalError("card cell (" + std::to_string(row) + ", " +
                                    std::to_string(position) + ") outside 25 x 12");
    return static_cast<std::size_t>((row - 1) * kCardPositions + (position - 1));
}

bool MarkGrid::Marked(int row, int position) const { return cells_[index(row, position)]; }

void MarkGrid::Set(int row, int position, bool marked) { cells_[index(row, position)] = marked; }

CardCheck CheckCardType(const MarkGrid& grid, const ShowMessage& show)
{
    if (grid.Marked(kCardTypeRow, kCardTypePosition))
        return CardCheck::kGoOn;
    show(messages::WrongCardType());
    return CardCheck::kEndAtOnce;
}

CardCheck DecodeHeader(const MarkGrid& grid, varenta::RunState& state, bool& cardError,
                       const ShowMessage& show)
{
    state.BasePath.clear();

    for (int row = 1; row <= kFileNumberRows; ++row) {
        if (MarksInDigitRow(grid, row) > 1) {
            show(messages::BadFileNumberMarks());
            cardError = true;
            break;
        }
    }
    if (MarksInDigitRow(grid, kAgeTensRow) > 1 || MarksInDigitRow(grid, kAgeUnitsRow) > 1) {
        show(messages::BadAgeMarks());
        return CardCheck::kEndAtOnce;
    }

    std::string digits;
    for (int row = 1; row <= kFileNumberRows; ++row) {
        const int digit = DigitOfRow(grid, row);
        if (digit < 0 || (digit == 0 && digits.empty()))
            continue;  // an empty row closes up; a leading zero is dropped
        digits += static_cast<char>('0' + digit);
    }
    if (digits.empty()) {
        show(messages::BadFileName());
        cardError = true;
    }
    const std::string& directory = state.DataDirectory;
    if (directory.empty())
        state.BasePath = digits;
    else if (directory.back() == '/')
        state.BasePath = directory + digits;
    else
        state.BasePath = directory + "/" + digits;

    const int units = DigitOfRow(grid, kAgeUnitsRow);
    if (units < 0) {
        show(messages::MissingAgeMark());
        return CardCheck::kEndAtOnce;
    }
    const int tens = DigitOfRow(grid, kAgeTensRow);
    state.Age = tens < 0 ? units : 10 * tens + units;

    const bool male = grid.Marked(kMaleRow, kSexPosition);
    const bool female = grid.Marked(kFemaleRow, kSexPosition);
    if (male == female) {
        show(messages::BadSexMarks());
        cardError = true;
    } else {
        state.Sex = male ? "MALE" : "FEMALE";
    }
    return CardCheck::kGoOn;
}

void DecodeAnswers(const MarkGrid& grid, varenta::RunState& state, bool& cardError,
                   const ShowMessage& show)
{
    for (int item = 1; item <= varenta::kItemCount; ++item) {
        const int pair = (item - 1) / 10;
        const int k = (item - 1) % 10 + 1;
        const int yesRow = kFirstAnswerRow + 2 * pair;
        const int position = 11 - k;
        const bool yes = grid.Marked(yesRow, position);
        const bool no = grid.Marked(yesRow + 1, position);
        if (yes && no) {
            show(messages::DoubleMarkedItem(item));
            cardError = true;
            state.Answers[item] = 0;
            continue;
        }
        state.Answers[item] = yes ? 1 : no ? -1 : 0;
    }
}

void WriteCardAnswers(const varenta::RunState& state)
{
    varenta::WriteAnswerFile(state, varenta::kItemCount);
}

void WriteCardRemarks(varenta::RunState& state)
{
    state.Remarks.Fill(std::string());
    state.Remarks[1] = varenta::ReadNameFile(state.BasePath);
    state.Remarks[2] = std::to_string(state.Age);
    varenta::WriteRemarksFile(state);
}

}  // namespace sheetrun
