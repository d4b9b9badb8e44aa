#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cantorino {

/// Finds the settings file and the temporary folder, and reads and writes single settings.
class SettingsAccess {
public:
    /// Settings live in "Config.cfg" in `programFolder` (the executable's folder).
    explicit SettingsAccess(std::filesystem::path programFolder) : programFolder_(std::move(programFolder)) {}

    /// Full path of the settings file.
    std::string GetConfigPath() const;
    /// The value stored under `key`, or the empty string when the key or the file is missing.
    static std::string ReadIniValue(std::string_view section, std::string_view key, const std::string& file);
    /// Stores `value` under `key`; false when the file could not be written (it is then unchanged).
    [[nodiscard]] static bool WriteIniValue(std::string_view section, std::string_view key,
                                            std::string_view value, const std::string& file);
    /// The system's temporary folder (TMPDIR when set), without a trailing "/".
    static std::string GetTempFolder();

private:
    std::filesystem::path programFolder_;
};

}  // namespace cantorino
