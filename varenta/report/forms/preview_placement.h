#pragma once
// Where the report preview window sits: "PrintImage.ini" beside the
// executable, section [Form], keys Left, Top, Width, Height.
#include <string>

namespace varenta {

struct WindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 680;
    int Height = 530;
    // Whether Left and Top came from the file (a window without a stored
    // position is centred on the screen).
    bool PositionStored = false;
    bool operator==(const WindowPlacement&) const = default;
};

// The placement file in the executable's directory.
std::string PlacementFilePath();
// The placement file in a given directory (one trailing "/" is dropped).
std::string PlacementFilePath(const std::string& directory);

// The stored placement. A missing or unreadable file, or a key that is
// missing or not a whole number, gives that key's default. A width or height
// below 1 would make the window vanish and also gives the default.
WindowPlacement ReadPlacement(const std::string& path);

// Writes the four keys; every other line of the file stays as it was. An
// unreadable file is replaced. Throws common::IoError when it cannot be
// written.
void WritePlacement(const std::string& path, const WindowPlacement& placement);

}  // namespace varenta
