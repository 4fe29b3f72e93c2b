#include "unicode/Utf8ToFontStream.h"

#include "common/Utf8.h"
#include "pali/PaliCharMap.h"
#include "pali/PaliComposition.h"

namespace sorvel {

namespace {

constexpr std::string_view kMark = "\xEF\xBB\xBF";

// Where a character that the end of `bytes` begins but does not finish
// starts, or the size when the last character is whole.
std::size_t wholeCharacters(std::string_view bytes) {
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto b = static_cast<uint8_t>(bytes[size - back]);
        if ((b & 0xC0) == 0x80) {
            continue;  // a continuation byte: look further back for its lead
        }
        const std::size_t length = (b & 0xE0) == 0xC0   ? 2
                                   : (b & 0xF0) == 0xE0 ? 3
                                   : (b & 0xF8) == 0xF0 ? 4
                                                        : 1;
        return back < length ? size - back : size;
    }
    return size;
}

bool isBreak(char32_t c) {
    return c == '\r' || c == '\n' || c == 0x2028 || c == 0x2029;
}

}  // namespace

Utf8ToFontStream::Utf8ToFontStream(PaliFontKind kind, char replacement)
    : map_(PaliCharMap::of(kind)), replacement_(replacement) {}

void Utf8ToFontStream::decode(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t at = i;
        const char32_t c = Utf8::decode(bytes, i);
        if (c == Utf8::kReplacement && i == at + 1) {
            malformed_ =
                "line " + std::to_string(rawLine_) + ", column " + std::to_string(rawColumn_);
            chars_.clear();
            return;
        }
        if (c == '\n') {
            ++rawLine_;
            rawColumn_ = 1;
        } else {
            ++rawColumn_;
        }
        chars_ += c;
    }
}

void Utf8ToFontStream::convert(std::size_t count, std::string& out) {
    const std::u32string composed =
        PaliComposition::compose(std::u32string_view(chars_).substr(0, count));
    chars_.erase(0, count);
    out.reserve(out.size() + composed.size());
    for (std::size_t i = 0; i < composed.size(); ++i) {
        const char32_t c = composed[i];
        if (isBreak(c)) {
            if (c == '\r' && i + 1 < composed.size() && composed[i + 1] == '\n') {
                ++i;
            }
            out += "\r\n";
            ++line_;
            column_ = 0;
            continue;
        }
        ++column_;
        if (const std::optional<uint8_t> b = map_.toByte(c)) {
            out += static_cast<char>(*b);
        } else {
            out += replacement_;
            report_.add(c, line_, column_);
        }
    }
}

void Utf8ToFontStream::push(std::string_view in, std::string& out) {
    if (malformed_) {
        return;
    }
    bytes_.append(in);
    if (!markChecked_) {
        if (bytes_.size() < kMark.size() && kMark.starts_with(bytes_)) {
            return;  // a byte-order mark may still be coming
        }
        markChecked_ = true;
        if (std::string_view(bytes_).starts_with(kMark)) {
            bytes_.erase(0, kMark.size());
            ++rawColumn_;  // it is a character where places are counted
        }
    }
    const std::size_t whole = wholeCharacters(bytes_);
    decode(std::string_view(bytes_).substr(0, whole));
    bytes_.erase(0, whole);
    if (malformed_) {
        bytes_.clear();
        return;
    }
    if (!firstChecked_ && !chars_.empty()) {
        firstChecked_ = true;
        if (chars_[0] == 0xFEFF) {
            chars_.erase(0, 1);
        }
    }
    if (chars_.size() < 2) {
        return;
    }
    // Keep the last character, and the one before it where the two may make
    // one letter or one line end.
    std::size_t split = chars_.size() - 1;
    if (PaliComposition::composePair(chars_[split - 1], chars_[split]) != 0 ||
        (chars_[split - 1] == '\r' && chars_[split] == '\n')) {
        --split;
    }
    convert(split, out);
}

void Utf8ToFontStream::finish(std::string& out) {
    if (malformed_) {
        return;
    }
    markChecked_ = true;
    decode(bytes_);
    bytes_.clear();
    if (malformed_) {
        return;
    }
    if (!firstChecked_ && !chars_.empty()) {
        firstChecked_ = true;
        if (chars_[0] == 0xFEFF) {
            chars_.erase(0, 1);
        }
    }
    convert(chars_.size(), out);
}

}  // namespace sorvel
