#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cantorino {

/// An INI-style settings file: "[Section]" headers, "key=value" lines, ";" comments.
///
/// Section and key names are matched without regard to case. A write keeps every other
/// line as it was and replaces the file atomically, so a failed write never loses it.
class IniFile {
public:
    /// Longest value a read returns, in bytes.
    static constexpr size_t kMaxValueLength = 511;

    /// Works on the file at `path`; nothing is read until asked.
    explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

    /// The value of `key` in `section`, trimmed of blanks and of one pair of surrounding
    /// quotes; nullopt when the file, the section or the key is missing.
    std::optional<std::string> read(std::string_view section, std::string_view key) const;

    /// Sets `key` in `section` to `value`: replaces the key where it stands, else appends it
    /// to the section, else appends the section. Returns false (file untouched) on failure.
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

    /// The file's path.
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace cantorino
