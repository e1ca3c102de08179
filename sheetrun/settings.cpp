#include "settings.h"

#include "common/errors.h"
#include "common/ini_file.h"
#include "varenta/shell/settings.h"

namespace sheetrun {

std::string VarentaConfigPath(const std::string& executableDirectory)
{
    return varenta::ConfigPath(executableDirectory);
}

std::string OwnConfigPath(const std::string& executableDirectory)
{
    return executableDirectory + "/sheetrun.ini";
}

bool ReadSheetrunSettings(varenta::RunState& state, ReaderSettings& reader,
                          const std::string& varentaConfig, const std::string& ownConfig)
{
    const common::IniFile ini = common::IniFile::Load(varentaConfig);
    varenta::ReadSettings(state, ini);
    const ReaderSettings defaults;
    reader.delaytime = ini.ReadInteger("Reader", "delaytime", defaults.delaytime);
    if (reader.delaytime < 0)
        reader.delaytime = 0;
    reader.readertype = ini.ReadString("Reader", "readertype", defaults.readertype);
    // The window's place is a convenience: an own file that cannot be read
    // gives the default geometry, and must not pass for a missing
    // varenta.ini.
    common::IniFile own;
    try {
        own = common::IniFile::Load(ownConfig);
    } catch (const common::IoError&) {
    }
    state.form = varenta::ReadFormGeometry(own);
    return ini.Exists();
}

}  // namespace sheetrun
