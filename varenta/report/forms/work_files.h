#pragma once
// Clearing away the work and score files of a run (DeleteAllFiles).
//
// After the preview window has taken the report in, nothing of the run is
// meant to remain: not the score files, the interpretation file and the
// profile bitmap beside the subject's answer file, nor the report work files
// "$$$" and "VR.$$$" in the current directory.
#include <array>
#include <string>

namespace varenta {

// The six files in the order they are handled: basePath + ".RAW", ".ZSC",
// ".AIM", "_basic.bmp", then "$$$" and "VR.$$$" (relative, so in the current
// directory). With an empty basePath the first four are bare endings in the
// current directory, as at program start.
std::array<std::string, 6> WorkFileNames(const std::string& basePath);

// First empties every one of the six files (creating the missing ones
// empty), then deletes them: .RAW, .ZSC, .AIM, "$$$", "VR.$$$" and the
// bitmap last. A file that cannot be emptied throws common::IoError at once
// and every file after it, and every deletion, is left undone, so a file
// that is in the way keeps the others as they were. A failed deletion is
// ignored.
void DeleteAllFiles(const std::string& basePath);

}  // namespace varenta
