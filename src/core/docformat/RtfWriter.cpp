#include "docformat/RtfWriter.h"

#include "common/HugePages.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <tuple>

#include "docformat/CodePage.h"
#include "docformat/RtfFontFamily.h"

namespace sorvel {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// How each byte of text appears in RTF.
const std::array<std::string, 256>& escapes() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        for (int b = 0; b < 256; ++b) {
            if (b == '\\' || b == '{' || b == '}') {
                t[b] = {'\\', static_cast<char>(b)};
            } else if (b == '\t') {
                t[b] = "\\tab ";
            } else if (b < 0x20 || b >= 0x7F) {
                t[b] = {'\\', '\'', kHex[b >> 4], kHex[b & 0xF]};
            } else {
                t[b] = std::string(1, static_cast<char>(b));
            }
        }
        return t;
    }();
    return table;
}

using FontKey = std::tuple<std::string, uint8_t, uint8_t>;  // face, character set, pitch and family

FontKey fontKey(const FontDescription& f) {
    return {f.faceName.str(), f.charSet, f.pitchAndFamily};
}

// Half-points (the unit of \fs, \up and \dn) nearest to a length in twips.
long long halfPoints(long long twips) {
    return twips >= 0 ? (twips + 5) / 10 : -((-twips + 5) / 10);
}

class Writer {
  public:
    Writer(const RichText& doc, std::optional<std::u32string_view> characters)
        : doc_(doc), characters_(characters) {}

    std::string run() {
        collectTables();
        // The text, and room for the words that switch the format at each
        // run and start each paragraph: growing the output would copy it.
        out_.reserve(static_cast<std::size_t>(doc_.length() + doc_.length() / 8) + runs_ * 40 +
                     static_cast<std::size_t>(doc_.paragraphCount()) * 40 + 4096);
        adviseHugePages(out_.data(), out_.capacity());
        out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0";
        if (characters_) {
            out_ += "\\uc1";
        }
        writeFontTable();
        writeColorTable();
        const int count = doc_.paragraphCount();
        for (int i = 0; i < count; ++i) {
            writeParagraphHeader(doc_.paraFormat(i));
            const long start = doc_.paragraphStart(i);
            const long end = doc_.paragraphEnd(i);
            doc_.forEachRun(start, end, [this](const RichText::Run& run) {
                switchFormat(*run.format);
                if (characters_) {
                    writeCharacters(run);
                } else {
                    writeText(doc_.textRange(run.start, run.end));
                }
            });
            // A break takes the format of its CR.
            switchFormat(i + 1 < count ? doc_.formatAt(end) : doc_.defaultFormat());
            out_ += "\\par\r\n";
        }
        out_ += "}\r\n";
        return std::move(out_);
    }

  private:
    void collectTables() {
        auto note = [this](const FontDescription& f) {
            fonts_.emplace(fontKey(f), 0);
            if (!(f.effects & chareffect::AutoColor)) {
                colors_.emplace(f.color & 0xFFFFFF, 0);
            }
        };
        doc_.forEachRun(0, doc_.length(), [&note, this](const RichText::Run& run) {
            note(*run.format);
            ++runs_;
        });
        note(doc_.defaultFormat());
        for (int i = 0; i < doc_.paragraphCount(); ++i) {
            if (doc_.paraFormat(i).numbering == numbering::Bullet) {
                hasBullets_ = true;
            }
        }
        int index = 0;
        for (auto& [key, value] : fonts_) {
            value = index++;
        }
        if (hasBullets_) {
            const FontKey symbol{"Symbol", 2, 0};
            auto it = fonts_.find(symbol);
            symbolFont_ = it != fonts_.end() ? it->second : index;
        }
        index = 1;  // entry 0 is the automatic colour
        for (auto& [key, value] : colors_) {
            value = index++;
        }
    }

    void writeFontTable() {
        out_ += "{\\fonttbl";
        std::vector<std::pair<int, const FontKey*>> ordered;
        for (const auto& [key, index] : fonts_) {
            ordered.emplace_back(index, &key);
        }
        std::sort(ordered.begin(), ordered.end());
        for (const auto& [index, key] : ordered) {
            writeFontEntry(index, std::get<0>(*key), std::get<1>(*key), std::get<2>(*key));
        }
        if (hasBullets_ && symbolFont_ == static_cast<int>(fonts_.size())) {
            writeFontEntry(symbolFont_, "Symbol", 2, 0);
        }
        out_ += "}\r\n";
    }

    void writeFontEntry(int index, const std::string& face, uint8_t charSet, uint8_t pitchFamily) {
        out_ += "{\\f" + std::to_string(index);
        const std::string_view family = rtffamily::keywordOf(pitchFamily);
        out_ += '\\';
        out_ += family.empty() ? std::string_view("fnil") : family;
        out_ += "\\fprq" + std::to_string(pitchFamily & 0x3);
        if (!rtffamily::representable(pitchFamily)) {
            out_ += "\\sorvelpitchfamily" + std::to_string(pitchFamily);
        }
        out_ += "\\fcharset" + std::to_string(charSet) + ' ';
        for (const char c : face) {
            // ";" ends the name in the table, and a TAB would be \tab, which
            // means nothing there: both travel as hex.
            const auto b = static_cast<uint8_t>(c);
            if (b == ';' || b == '\t') {
                out_ += {'\\', '\'', kHex[b >> 4], kHex[b & 0xF]};
            } else {
                out_ += escapes()[b];
            }
        }
        out_ += ";}";
    }

    void writeColorTable() {
        if (colors_.empty()) {
            return;
        }
        std::vector<std::pair<int, uint32_t>> ordered;
        for (const auto& [color, index] : colors_) {
            ordered.emplace_back(index, color);
        }
        std::sort(ordered.begin(), ordered.end());
        out_ += "{\\colortbl ;";
        for (const auto& [index, color] : ordered) {
            out_ += "\\red" + std::to_string(color & 0xFF) + "\\green" +
                    std::to_string((color >> 8) & 0xFF) + "\\blue" +
                    std::to_string((color >> 16) & 0xFF) + ';';
        }
        out_ += "}\r\n";
    }

    void writeParagraphHeader(const ParaFormat& p) {
        out_ += "\\pard";
        if (p.numbering == numbering::Bullet) {
            const std::string f = std::to_string(symbolFont_);
            out_ += "{\\pntext\\f" + f + "\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + f +
                    "\\pnindent0{\\pntxtb\\'b7}}";
        }
        out_ += p.alignment == alignment::Center  ? "\\qc"
                : p.alignment == alignment::Right ? "\\qr"
                                                  : "\\ql";
        // RTF indents all lines by \li and the first line by \fi more; our
        // format indents the first line by startIndent and the others by
        // offset more.
        const long long left = static_cast<long long>(p.startIndent) + p.offset;
        const long long first = -static_cast<long long>(p.offset);
        if (left != 0) {
            out_ += "\\li" + std::to_string(left);
        }
        if (first != 0) {
            out_ += "\\fi" + std::to_string(first);
        }
        pendingSpace_ = true;
    }

    void switchFormat(const FontDescription& f) {
        const std::size_t before = out_.size();
        const int font = fonts_.at(fontKey(f));
        if (!valid_ || font != font_) {
            out_ += "\\f" + std::to_string(font);
        }
        if (!valid_ || f.height != height_) {
            const long long fs = std::max(0LL, halfPoints(f.height));
            out_ += "\\fs" + std::to_string(fs);
            if (fs * 10 != f.height) {
                out_ += "\\sorvelheight" + std::to_string(f.height);
            }
        }
        if (f.offset != (valid_ ? offset_ : 0)) {
            const long long hp = halfPoints(f.offset);
            out_ += hp >= 0 ? "\\up" + std::to_string(hp) : "\\dn" + std::to_string(-hp);
            if (hp * 10 != f.offset) {
                out_ += "\\sorveloffset" + std::to_string(f.offset);
            }
        }
        const uint32_t was = valid_ ? effects_ : 0;
        auto toggle = [&](uint32_t bit, const char* on, const char* off) {
            if ((f.effects & bit) != (was & bit)) {
                out_ += (f.effects & bit) ? on : off;
            }
        };
        toggle(chareffect::Bold, "\\b", "\\b0");
        toggle(chareffect::Italic, "\\i", "\\i0");
        toggle(chareffect::Underline, "\\ul", "\\ulnone");
        toggle(chareffect::StrikeOut, "\\strike", "\\strike0");
        const int color = (f.effects & chareffect::AutoColor) ? 0 : colors_.at(f.color & 0xFFFFFF);
        if (!valid_ || color != color_) {
            out_ += "\\cf" + std::to_string(color);
        }
        valid_ = true;
        font_ = font;
        height_ = f.height;
        offset_ = f.offset;
        effects_ = f.effects;
        color_ = color;
        if (out_.size() != before) {
            pendingSpace_ = true;
        }
    }

    void writeText(std::string_view text) {
        if (pendingSpace_ && !text.empty()) {
            out_ += ' ';
            pendingSpace_ = false;
        }
        const auto& table = escapes();
        for (const char c : text) {
            const auto b = static_cast<uint8_t>(c);
            if (b >= 0x20 && b < 0x7F && b != '\\' && b != '{' && b != '}') {
                out_ += c;
            } else {
                out_ += table[b];
            }
        }
    }

    void writeCharacters(const RichText::Run& run) {
        const std::u32string_view chars = *characters_;
        const auto end = static_cast<std::size_t>(run.end);
        if (static_cast<std::size_t>(run.start) >= chars.size()) {
            writeText(doc_.textRange(run.start, run.end));
            return;
        }
        if (pendingSpace_ && run.start < run.end) {
            out_ += ' ';
            pendingSpace_ = false;
        }
        const CodePage& page = CodePage::of(CodePage::ofCharSet(run.format->charSet, 1252));
        // What the run's bytes stand for: a character that is just that goes
        // out as the byte itself, so that text in any character set (a
        // double-byte one, or one with bytes that stand for nothing) keeps
        // its bytes.
        const std::string_view bytes = doc_.textRange(run.start, run.end);
        decoded_.clear();
        page.decode(bytes, decoded_);
        const auto& table = escapes();
        bool leadAsBytes = false;
        for (auto i = static_cast<std::size_t>(run.start); i < end; ++i) {
            const auto byte = static_cast<uint8_t>(bytes[i - static_cast<std::size_t>(run.start)]);
            if (i >= chars.size()) {
                out_ += table[byte];
                continue;
            }
            const char32_t c = chars[i];
            if (c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}') {
                out_ += static_cast<char>(c);  // the bulk of most text
                continue;
            }
            if (c == decoded_[i - static_cast<std::size_t>(run.start)]) {
                if (c != CodePage::kContinuation || leadAsBytes) {
                    out_ += table[byte];
                }
                leadAsBytes = true;
                continue;
            }
            if (c == CodePage::kContinuation) {
                continue;  // the second byte of a character written as \uN
            }
            leadAsBytes = false;
            if (const std::optional<uint8_t> b = page.fromUnicode(c)) {
                out_ += table[*b];
            } else if (c > 0xFFFF && c <= 0x10FFFF) {
                const char32_t v = c - 0x10000;
                writeUnicode(static_cast<char16_t>(0xD800 + (v >> 10)));
                writeUnicode(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
            } else {
                const bool noCharacter = c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF);
                writeUnicode(static_cast<char16_t>(noCharacter ? 0xFFFD : c));
            }
        }
    }

    // \uN counts in signed 16 bits.
    void writeUnicode(char16_t unit) {
        out_ += "\\u";
        out_ += std::to_string(unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : unit);
        out_ += '?';
    }

    const RichText& doc_;
    std::optional<std::u32string_view> characters_;
    std::u32string decoded_;
    std::string out_;
    std::size_t runs_ = 0;  // runs of one format in the text
    std::map<FontKey, int> fonts_;
    std::map<uint32_t, int> colors_;
    bool hasBullets_ = false;
    int symbolFont_ = 0;

    // The character format in force in the output.
    bool valid_ = false;
    int font_ = 0;
    int32_t height_ = 0;
    int32_t offset_ = 0;
    uint32_t effects_ = 0;
    int color_ = 0;
    bool pendingSpace_ = false;  // a control word was written last and may need its delimiter
};

}  // namespace

std::string RtfWriter::write(const RichText& doc) {
    return Writer(doc, std::nullopt).run();
}

std::string RtfWriter::write(const RichText& doc, std::u32string_view characters) {
    return Writer(doc, characters).run();
}

}  // namespace sorvel
