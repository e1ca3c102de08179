#include "sheet_deck.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "reader_emulator.h"

namespace emulator {

namespace {

[[noreturn]] void Malformed(std::size_t line, const std::string& what)
{
    throw std::invalid_argument("deck line " + std::to_string(line) + ": " + what);
}

}  // namespace

std::vector<DeckEntry> ParseDeck(std::string_view text)
{
    std::vector<DeckEntry> entries;
    DeckEntry card;
    std::size_t cardStart = 0;
    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNumber;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '!') {
            if (!card.rows.empty())
                Malformed(lineNumber, "a fault line inside the card begun at line " + std::to_string(cardStart));
            if (line == "!jam")
                entries.push_back({DeckEntry::Kind::kJam, {}});
            else if (line == "!double-feed")
                entries.push_back({DeckEntry::Kind::kDoubleFeed, {}});
            else
                Malformed(lineNumber, "unknown fault \"" + line + "\"");
            continue;
        }
        if (line.size() != static_cast<std::size_t>(kDeckColumns))
            Malformed(lineNumber, "a card row has " + std::to_string(kDeckColumns) + " characters, not " +
                                      std::to_string(line.size()));
        if (line.find(',') != std::string::npos)
            Malformed(lineNumber, "\",\" is no mark character");
        if (card.rows.empty())
            cardStart = lineNumber;
        card.rows.push_back(line);
        if (card.rows.size() == static_cast<std::size_t>(kDeckRows)) {
            entries.push_back(std::move(card));
            card = DeckEntry{};
        }
    }
    if (!card.rows.empty())
        Malformed(lineNumber, "the card begun at line " + std::to_string(cardStart) + " has " +
                                  std::to_string(card.rows.size()) + " rows, not " + std::to_string(kDeckRows));
    return entries;
}

std::vector<DeckEntry> LoadDeck(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read deck " + path);
    std::ostringstream text;
    text << file.rdbuf();
    try {
        return ParseDeck(text.str());
    } catch (const std::invalid_argument& error) {
        throw std::invalid_argument(path + ": " + error.what());
    }
}

SheetDeck::SheetDeck(std::vector<DeckEntry> entries) : entries_(std::move(entries)) {}

std::shared_ptr<SheetDeck> SheetDeck::Install(ReaderEmulator& reader, std::vector<DeckEntry> entries)
{
    auto deck = std::make_shared<SheetDeck>(std::move(entries));
    reader.SetHandler("SF", [deck](const std::string& command, const ReplyContext& context) {
        const std::string status = deck->Feed();
        ReplyContext answer = context;
        if (!status.empty())
            answer.pair0 = status;
        return answer.Answer(command, {});
    });
    reader.SetHandler("MD", [deck](const std::string& command, const ReplyContext& context) {
        const int side = command.size() > 2 && command[2] == '1' ? 1 : 0;
        return context.Answer(command, deck->Marks(side));
    });
    return deck;
}

std::size_t SheetDeck::Fed() const
{
    std::lock_guard lock(mutex_);
    return next_;
}

std::string SheetDeck::Feed()
{
    std::lock_guard lock(mutex_);
    underHead_.clear();
    if (next_ >= entries_.size())
        return "Q1";
    const DeckEntry& entry = entries_[next_++];
    switch (entry.kind) {
    case DeckEntry::Kind::kJam:
        return "H2";
    case DeckEntry::Kind::kDoubleFeed:
        return "Q2";
    case DeckEntry::Kind::kCard:
        break;
    }
    for (const std::string& row : entry.rows) {
        if (!underHead_.empty())
            underHead_ += ',';
        underHead_ += row;
    }
    return {};
}

std::string SheetDeck::Marks(int side) const
{
    std::lock_guard lock(mutex_);
    return side == 0 ? underHead_ : std::string();
}

}  // namespace emulator
