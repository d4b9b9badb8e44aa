#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cantorino {

/// Writes indented JSON to a stream; the caller opens and closes objects and arrays in order.
class JsonWriter {
public:
    /// Writes to `out`, which must outlive the writer.
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    /// Starts an object, as a value or as the value of `key`; `oneLine` keeps it on one line.
    void beginObject(std::string_view key = {}, bool oneLine = false);
    /// Ends the innermost object.
    void endObject();
    /// Starts an array, as a value or as the value of `key`.
    void beginArray(std::string_view key = {});
    /// Ends the innermost array.
    void endArray();
    /// A string value (UTF-8).
    void value(std::string_view key, std::string_view text);
    /// A number value, written in the shortest form that reads back exactly.
    void value(std::string_view key, double number);
    /// An integer value.
    void value(std::string_view key, long long number);

private:
    void prefix(std::string_view key);
    void close(char bracket);
    void writeString(std::string_view text);

    std::ostream& out_;
    std::vector<bool> firstInLevel_;
    std::vector<bool> oneLineLevel_;
};

}  // namespace cantorino
