#include "preview_placement.h"

#include "common/errors.h"
#include "common/ini_file.h"
#include "common/text_file.h"

namespace varenta {

namespace {

constexpr const char* kSection = "Form";
constexpr const char* kFileName = "PrintImage.ini";

common::IniFile LoadOrEmpty(const std::string& path)
{
    try {
        return common::IniFile::Load(path);
    } catch (const common::IoError&) {
        return {};
    }
}

bool ParseStored(const common::IniFile& ini, const char* key)
{
    auto value = ini.Value(kSection, key);
    return value && common::ParseWholeNumber(*value);
}

}  // namespace

std::string PlacementFilePath()
{
    return PlacementFilePath(common::ExecutableDirectory());
}

std::string PlacementFilePath(const std::string& directory)
{
    std::string dir = directory;
    if (!dir.empty() && dir.back() == '/')
        dir.pop_back();
    return dir + "/" + kFileName;
}

WindowPlacement ReadPlacement(const std::string& path)
{
    const common::IniFile ini = LoadOrEmpty(path);
    const WindowPlacement defaults;
    WindowPlacement p;
    p.Left = ini.ReadInteger(kSection, "Left", defaults.Left);
    p.Top = ini.ReadInteger(kSection, "Top", defaults.Top);
    p.Width = ini.ReadInteger(kSection, "Width", defaults.Width);
    p.Height = ini.ReadInteger(kSection, "Height", defaults.Height);
    p.PositionStored = ParseStored(ini, "Left") && ParseStored(ini, "Top");
    if (p.Width < 1)
        p.Width = defaults.Width;
    if (p.Height < 1)
        p.Height = defaults.Height;
    return p;
}

void WritePlacement(const std::string& path, const WindowPlacement& placement)
{
    common::IniFile ini = LoadOrEmpty(path);
    ini.WriteInteger(kSection, "Left", placement.Left);
    ini.WriteInteger(kSection, "Top", placement.Top);
    ini.WriteInteger(kSection, "Width", placement.Width);
    ini.WriteInteger(kSection, "Height", placement.Height);
    ini.Save(path);
}

}  // namespace varenta
