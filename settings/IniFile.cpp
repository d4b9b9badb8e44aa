#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace cantorino {
namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

/// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

/// The key of a "key=value" line that is not a comment, or nullopt.
std::optional<std::string_view> keyName(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return trim(line.substr(0, eq));
}

/// Writes `bytes` to a new file at `path` and flushes it to the disk.
bool writeDurably(const std::filesystem::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        done += size_t(n);
    }
    const bool ok = done == bytes.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

/// The file's lines without their line ends; nullopt when it cannot be read.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad()) return std::nullopt;
    return lines;
}

}  // namespace

std::optional<std::string> IniFile::read(std::string_view section, std::string_view key) const {
    const auto lines = readLines(path_);
    if (!lines) return std::nullopt;
    bool inSection = false;
    for (const auto& line : *lines) {
        if (const auto name = sectionName(line)) {
            inSection = equalNoCase(*name, trim(section));
            continue;
        }
        if (!inSection) continue;
        const auto k = keyName(line);
        if (!k || !equalNoCase(*k, trim(key))) continue;
        std::string_view value = trim(std::string_view(line).substr(line.find('=') + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value.substr(0, kMaxValueLength));
    }
    return std::nullopt;
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) const {
    std::error_code ec;
    std::vector<std::string> lines;
    if (std::filesystem::exists(path_, ec)) {
        auto existing = readLines(path_);
        if (!existing) return false;  // never replace a file we could not read
        lines = std::move(*existing);
    }
    const std::string entry = std::string(trim(key)) + "=" + std::string(value);
    std::optional<size_t> sectionEnd;  // index after the last line of the section
    bool inSection = false, done = false;
    for (size_t i = 0; i < lines.size() && !done; ++i) {
        if (const auto name = sectionName(lines[i])) {
            inSection = equalNoCase(*name, trim(section));
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (!trim(lines[i]).empty()) sectionEnd = i + 1;
        const auto k = keyName(lines[i]);
        if (k && equalNoCase(*k, trim(key))) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done && sectionEnd) {
        lines.insert(lines.begin() + std::ptrdiff_t(*sectionEnd), entry);
    } else if (!done) {
        std::string header(1, '[');
        header.append(trim(section)).push_back(']');
        lines.push_back(std::move(header));
        lines.push_back(entry);
    }

    std::ostringstream text;
    for (const auto& line : lines) text << line << "\r\n";
    const std::string bytes = text.str();

    // Write beside the old file and rename over it: the old file stays whole until the new one is.
    std::filesystem::path temp = path_;
    temp += ".tmp" + std::to_string(::getpid());
    if (!writeDurably(temp, bytes)) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    std::filesystem::rename(temp, path_, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace cantorino
