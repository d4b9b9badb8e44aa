#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace cantorino {

void JsonWriter::prefix(std::string_view key) {
    if (!firstInLevel_.empty()) {
        const bool first = firstInLevel_.back();
        if (!first) out_ << ',';
        firstInLevel_.back() = false;
        if (oneLineLevel_.back()) {
            out_ << (first ? "" : " ");
        } else {
            out_ << '\n' << std::string(firstInLevel_.size() * 2, ' ');
        }
    }
    if (!key.empty()) {
        writeString(key);
        out_ << ": ";
    }
}

void JsonWriter::beginObject(std::string_view key, bool oneLine) {
    prefix(key);
    out_ << '{';
    const bool inOneLine = !oneLineLevel_.empty() && oneLineLevel_.back();
    firstInLevel_.push_back(true);
    oneLineLevel_.push_back(oneLine || inOneLine);
}

void JsonWriter::beginArray(std::string_view key) {
    prefix(key);
    out_ << '[';
    firstInLevel_.push_back(true);
    oneLineLevel_.push_back(!oneLineLevel_.empty() && oneLineLevel_.back());
}

void JsonWriter::close(char bracket) {
    const bool empty = firstInLevel_.back();
    const bool oneLine = oneLineLevel_.back();
    firstInLevel_.pop_back();
    oneLineLevel_.pop_back();
    if (!empty && !oneLine) out_ << '\n' << std::string(firstInLevel_.size() * 2, ' ');
    out_ << bracket;
    if (firstInLevel_.empty()) out_ << '\n';
}

void JsonWriter::endObject() { close('}'); }
void JsonWriter::endArray() { close(']'); }

void JsonWriter::value(std::string_view key, std::string_view text) {
    prefix(key);
    writeString(text);
}

void JsonWriter::value(std::string_view key, double number) {
    prefix(key);
    if (!std::isfinite(number)) {
        out_ << "null";
        return;
    }
    if (number == std::trunc(number) && std::fabs(number) < 1e15) {
        out_ << static_cast<long long>(number);  // whole numbers read better without an exponent
        return;
    }
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, number);
    out_.write(buf, result.ptr - buf);
}

void JsonWriter::value(std::string_view key, long long number) {
    prefix(key);
    out_ << number;
}

void JsonWriter::writeString(std::string_view text) {
    out_ << '"';
    for (char c : text) {
        switch (c) {
        case '"': out_ << "\\\""; break;
        case '\\': out_ << "\\\\"; break;
        case '\n': out_ << "\\n"; break;
        case '\r': out_ << "\\r"; break;
        case '\t': out_ << "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out_ << buf;
            } else {
                out_ << c;
            }
        }
    }
    out_ << '"';
}

}  // namespace cantorino
