#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sorvel {

// The lexical layer of the RTF reader: it cuts the bytes into tokens and
// knows nothing of what they mean, so the reader's dispatcher sees groups,
// control words and text, never backslashes and digits.
//
// - A control word is a backslash, up to 32 meaningful letters (a longer
//   name is kept whole: it is simply no word anybody knows), an optional
//   signed number (clamped to 32 bits) and an optional blank that belongs to
//   it. \binN is the one word that changes the lexing: the N raw bytes after
//   it are a Binary token, never more than the input has left.
// - \'hh is a Hex token; a \' without two hex digits is dropped and what
//   follows it is read as text.
// - Any other backslash pair is a control symbol; a backslash at the very
//   end is dropped.
// - Text is a run of bytes up to the next backslash, brace or line end. Raw
//   CR and LF are no text in RTF and never appear in a token; every other
//   byte below 0x20 except TAB comes as a Text token of its own, so a
//   consumer can take a whole run as it is wherever such bytes mean nothing.
class RtfTokenizer {
  public:
    enum class Kind : uint8_t {
        End,
        GroupOpen,
        GroupClose,
        ControlWord,    // `text` is the name, `param` the number when `hasParam`
        ControlSymbol,  // `byte` is the character after the backslash
        Hex,            // `byte` is the value of \'hh
        Binary,         // `text` is the data of \binN
        Text,           // `text` is the run
    };

    struct Token {
        Kind kind = Kind::End;
        bool hasParam = false;
        uint8_t byte = 0;
        int32_t param = 0;
        std::string_view text = {};
    };

    explicit RtfTokenizer(std::string_view rtf) : in_(rtf) {}

    // The next token; Kind::End once the input is used up. Inline: the
    // reader calls it for every token of a document, and most of a
    // document's time goes here.
    Token next() {
        const std::size_t n = in_.size();
        while (pos_ < n) {
            const auto c = static_cast<uint8_t>(in_[pos_]);
            switch (kClass[c]) {
                case Class::Text: {
                    const std::size_t start = pos_++;
                    while (pos_ < n && kClass[static_cast<uint8_t>(in_[pos_])] == Class::Text) {
                        ++pos_;
                    }
                    return {.kind = Kind::Text, .text = in_.substr(start, pos_ - start)};
                }
                case Class::Backslash: {
                    const Token t = controlAt();
                    if (t.kind != Kind::End) {
                        return t;
                    }
                    break;  // a \' without hex digits, or a backslash at the end
                }
                case Class::Open:
                    ++pos_;
                    return {.kind = Kind::GroupOpen};
                case Class::Close:
                    ++pos_;
                    return {.kind = Kind::GroupClose};
                case Class::LineEnd:
                    ++pos_;
                    break;
                case Class::Control:
                    return {.kind = Kind::Text, .text = in_.substr(pos_++, 1)};
            }
        }
        return {};
    }

  private:
    enum class Class : uint8_t { Text, Backslash, Open, Close, LineEnd, Control };
    static constexpr std::array<Class, 256> kClass = [] {
        std::array<Class, 256> table{};
        for (int c = 0; c < 0x20; ++c) {
            table[static_cast<std::size_t>(c)] = Class::Control;
        }
        table['\t'] = Class::Text;
        table['\r'] = Class::LineEnd;
        table['\n'] = Class::LineEnd;
        table['\\'] = Class::Backslash;
        table['{'] = Class::Open;
        table['}'] = Class::Close;
        return table;
    }();

    Token controlAt();

    std::string_view in_;
    std::size_t pos_ = 0;
};

}  // namespace sorvel
