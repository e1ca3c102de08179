#include "card_image.h"

#include "common/sjis.h"

namespace sheetrun {

namespace {

// "+" at card rows 8, 10, 16 and 22: the ends of the file number, the age
// and the first two answer blocks.
std::string Ruler()
{
    std::string ruler(kCardRows, '-');
    for (int row : {8, 10, 16, 22})
        ruler[static_cast<std::size_t>(row - 1)] = '+';
    return ruler;
}

}  // namespace

std::vector<std::string> CardImageLines(const MarkGrid& grid, int cardCount)
{
    static const std::string sheets = sjis::FromUtf8("枚目");
    static const std::string heading = sjis::FromUtf8("ﾌｧｲﾙ番号　　名前:             ");
    static const std::string title = sjis::FromUtf8("5因子回答用紙");
    const std::string ruler = Ruler();

    std::vector<std::string> lines;
    lines.push_back(std::to_string(cardCount) + sheets);
    lines.push_back("[ Card Image ] ");
    lines.push_back("");
    lines.push_back(heading);
    lines.push_back(title);
    lines.push_back(ruler);
    lines.push_back("");
    for (int position = 10; position >= 1; --position) {
        std::string line(kCardRows, ' ');
        for (int row = 1; row <= kCardRows; ++row)
            if (grid.Marked(row, position))
                line[static_cast<std::size_t>(row - 1)] = 'I';
        lines.push_back(line);
    }
    lines.push_back(ruler);
    return lines;
}

}  // namespace sheetrun
