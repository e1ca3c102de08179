#pragma once
// Sheetrun's settings: Varenta's configuration file beside the executable
// ([Setup] directory, ai, graphic, connect; [Reader] delaytime,
// readertype) and Sheetrun's own file ([Form] geometry).
//
// Decisions:
// - [Setup] directory defaults to "" (the current directory) on Linux.
// - A negative delaytime reads as 0; a value that is not a whole number
//   gives the default 10000.
#include "varenta/shell/run_state.h"

#include <string>

namespace sheetrun {

inline constexpr int kDefaultDelayMs = 10000;

struct ReaderSettings {
    int delaytime = kDefaultDelayMs;
    std::string readertype = "KR7700";
};

// "<dir>/varenta.ini" and "<dir>/sheetrun.ini".
std::string VarentaConfigPath(const std::string& executableDirectory);
std::string OwnConfigPath(const std::string& executableDirectory);

// Reads both files into state (settings, DataDirectory, form) and reader.
// Returns false when Varenta's configuration file does not exist (the
// defaults are then used). Throws common::IoError when Varenta's file
// exists but cannot be read; Sheetrun's own file that cannot be read gives
// the default geometry.
bool ReadSheetrunSettings(varenta::RunState& state, ReaderSettings& reader,
                          const std::string& varentaConfig, const std::string& ownConfig);

}  // namespace sheetrun
