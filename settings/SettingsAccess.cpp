#include "SettingsAccess.h"

#include "IniFile.h"

namespace cantorino {

std::string SettingsAccess::GetConfigPath() const {
    return (programFolder_ / "Config.cfg").lexically_normal().string();
}

std::string SettingsAccess::ReadIniValue(std::string_view section, std::string_view key, const std::string& file) {
    return IniFile(file).read(section, key).value_or(std::string());
}

bool SettingsAccess::WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                                   const std::string& file) {
    return IniFile(file).write(section, key, value);
}

std::string SettingsAccess::GetTempFolder() {
    std::error_code ec;
    std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
    if (ec) temp = "/tmp";
    std::string s = temp.string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

}  // namespace cantorino
