#include "settings.h"

namespace varenta {

std::string ConfigPath(const std::string& executableDirectory)
{
    return executableDirectory + "/varenta.ini";
}

std::string ItemFilePath(const std::string& executableDirectory)
{
    return executableDirectory + "/varenta.TXT";
}

FormGeometry ReadFormGeometry(const common::IniFile& ini)
{
    FormGeometry g;
    g.Left = ini.ReadInteger("Form", "Left", g.Left);
    g.Top = ini.ReadInteger("Form", "Top", g.Top);
    g.Width = ini.ReadInteger("Form", "Width", g.Width);
    g.Height = ini.ReadInteger("Form", "Height", g.Height);
    return g;
}

void ReadSettings(RunState& state, const common::IniFile& ini)
{
    Settings& s = state.settings;
    const Settings defaults;
    s.directory = ini.ReadString("Setup", "directory", defaults.directory);
    // Where a bare typed name is made and where the open dialog starts.
    state.DataDirectory = s.directory;
    s.ai = ini.ReadString("Setup", "ai", defaults.ai);
    s.graphic = ini.ReadString("Setup", "graphic", defaults.graphic);
    s.connect = ini.ReadString("Setup", "connect", defaults.connect);
    s.onecolumn = ini.ReadString("Setup", "onecolumn", defaults.onecolumn);
    s.fontname = ini.ReadString("Setup", "fontname", defaults.fontname);
    int width = ini.ReadInteger("Setup", "number_of_letters", kDefaultLineWidth);
    s.number_of_letters = (width < 0 || width > kMaxLineWidth) ? kDefaultLineWidth : width;
    s.sidemargin = ini.ReadInteger("Page Design", "sidemargin", defaults.sidemargin);
    s.topmargin = ini.ReadInteger("Page Design", "topmargin", defaults.topmargin);
    s.headsep = ini.ReadInteger("Page Design", "headsep", defaults.headsep);
    s.headheight = ini.ReadInteger("Page Design", "headheight", defaults.headheight);
    s.footskip = ini.ReadInteger("Page Design", "footskip", defaults.footskip);
    s.footheight = ini.ReadInteger("Page Design", "footheight", defaults.footheight);
    s.columnsep = ini.ReadInteger("Page Design", "columnsep", defaults.columnsep);
    state.form = ReadFormGeometry(ini);
}

void WriteFormGeometry(const std::string& path, const FormGeometry& geometry)
{
    common::IniFile ini = common::IniFile::Load(path);
    ini.WriteInteger("Form", "Left", geometry.Left);
    ini.WriteInteger("Form", "Top", geometry.Top);
    ini.WriteInteger("Form", "Width", geometry.Width);
    ini.WriteInteger("Form", "Height", geometry.Height);
    ini.Save(path);
}

}  // namespace varenta
