#pragma once
// A deck of mark sheets for the emulated reader.
//
// Deck file format (text, one or more files read in order):
//   - a line starting with "#" is a comment; blank lines are ignored;
//   - a card is 25 consecutive lines of 12 characters each, the reader's
//     mark characters of one row as "MD0" returns them ("0" blank up to
//     "9" darkest; the card reader counts 0-3 as blank, 4 and above as a
//     mark); trailing blanks and a CR are dropped;
//   - a line "!jam" or "!double-feed" stands for a sheet that jams in the
//     hopper (status "H2") or is fed together with the next (status "Q2").
//
// Behaviour once installed on a ReaderEmulator:
//   "SF"   takes the next entry of the deck: a card becomes the sheet under
//          the read head (normal status); a fault answers with its status;
//          when the deck is used up the status is "Q1" (sheet empty);
//   "MD0"  the rows of the sheet under the head, separated by ","; empty
//          when no sheet has been read;
//   "MD1"  empty (the cards have no back side marks).
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

class ReaderEmulator;

inline constexpr int kDeckRows = 25;
inline constexpr int kDeckColumns = 12;

struct DeckEntry {
    enum class Kind { kCard, kJam, kDoubleFeed };
    Kind kind = Kind::kCard;
    std::vector<std::string> rows;  // kCard: 25 rows of 12 characters
};

// Throws std::invalid_argument naming the line of a malformed deck (a row
// of another length, a card cut short, an unknown "!" line, or a mark
// character "," that would break the marks reply).
std::vector<DeckEntry> ParseDeck(std::string_view text);
// Reads and parses a deck file; std::runtime_error when it cannot be read.
std::vector<DeckEntry> LoadDeck(const std::string& path);

class SheetDeck {
public:
    explicit SheetDeck(std::vector<DeckEntry> entries);

    // Serves "SF", "MD0" and "MD1" of the reader from this deck. The
    // emulator keeps the deck alive.
    static std::shared_ptr<SheetDeck> Install(ReaderEmulator& reader, std::vector<DeckEntry> entries);

    // Sheets taken from the deck so far (faults included).
    std::size_t Fed() const;

private:
    // Status pair 0 of the feed, or "" for a normal feed.
    std::string Feed();
    std::string Marks(int side) const;

    mutable std::mutex mutex_;
    std::vector<DeckEntry> entries_;
    std::size_t next_ = 0;
    std::string underHead_;  // marks reply of the sheet just read
};

}  // namespace emulator
