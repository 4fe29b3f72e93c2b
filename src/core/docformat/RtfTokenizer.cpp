#include "docformat/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace sorvel {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

RtfTokenizer::Token RtfTokenizer::controlAt() {
    const std::size_t n = in_.size();
    std::size_t j = pos_ + 1;
    if (j >= n) {
        pos_ = n;
        return {};
    }
    if (!isLetter(in_[j])) {
        const char c = in_[j++];
        pos_ = j;
        if (c != '\'') {
            return {.kind = Kind::ControlSymbol, .byte = static_cast<uint8_t>(c)};
        }
        const int hi = j < n ? hexValue(in_[j]) : -1;
        const int lo = j + 1 < n ? hexValue(in_[j + 1]) : -1;
        if (hi < 0 || lo < 0) {
            return {};
        }
        pos_ = j + 2;
        return {.kind = Kind::Hex, .byte = static_cast<uint8_t>(hi * 16 + lo)};
    }
    const std::size_t nameStart = j;
    while (j < n && isLetter(in_[j])) {
        ++j;
    }
    const std::string_view name = in_.substr(nameStart, j - nameStart);
    bool negative = false;
    if (j + 1 < n && in_[j] == '-' && isDigit(in_[j + 1])) {
        negative = true;
        ++j;
    }
    bool hasParam = false;
    int64_t value = 0;
    while (j < n && isDigit(in_[j])) {
        hasParam = true;
        if (value <= std::numeric_limits<int32_t>::max()) {
            value = value * 10 + (in_[j] - '0');
        }
        ++j;
    }
    if (negative) {
        value = -value;
    }
    const auto param = static_cast<int32_t>(std::clamp<int64_t>(
        value, -std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()));
    if (j < n && in_[j] == ' ') {
        ++j;  // the delimiter belongs to the control word
    }
    if (name == "bin") {
        // Raw bytes follow; never more than what is left.
        const std::size_t count = std::min(param > 0 ? static_cast<std::size_t>(param) : 0, n - j);
        pos_ = j + count;
        return {.kind = Kind::Binary, .text = in_.substr(j, count)};
    }
    pos_ = j;
    return {.kind = Kind::ControlWord, .hasParam = hasParam, .param = param, .text = name};
}

}  // namespace sorvel
