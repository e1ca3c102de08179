#pragma once
// Varenta's configuration file (varenta.ini beside the executable).
#include "common/ini_file.h"
#include "varenta/shell/run_state.h"

#include <string>

namespace varenta {

// number_of_letters outside 0..kMaxLineWidth reads as the default 80: a
// negative count or an absurd width would make every separator line
// meaningless (or huge).
inline constexpr int kDefaultLineWidth = 80;
inline constexpr int kMaxLineWidth = 1000;

// The configuration file and the item file, named after the executable.
std::string ConfigPath(const std::string& executableDirectory);
std::string ItemFilePath(const std::string& executableDirectory);

// Reads [Setup] and [Page Design] into state.settings and [Form] into
// state.form, with the defaults for everything missing. DataDirectory starts
// as the directory setting.
void ReadSettings(RunState& state, const common::IniFile& ini);

// Writes [Form] Left, Top, Width, Height back into the file at path,
// keeping every other section and key.
void WriteFormGeometry(const std::string& path, const FormGeometry& geometry);

// [Form] geometry as the other forms read it at creation.
FormGeometry ReadFormGeometry(const common::IniFile& ini);

}  // namespace varenta
