#include "docformat/CodePage.h"

#include <iconv.h>

#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "common/Cp1252.h"

namespace sorvel {

namespace {

// The iconv name of a single-byte Windows or DOS code page, or nullptr.
const char* iconvName(int number) {
    switch (number) {
        case 437:
            return "CP437";
        case 850:
            return "CP850";
        case 852:
            return "CP852";
        case 866:
            return "CP866";
        case 874:
            return "CP874";
        case 1250:
            return "CP1250";
        case 1251:
            return "CP1251";
        case 1253:
            return "CP1253";
        case 1254:
            return "CP1254";
        case 1255:
            return "CP1255";
        case 1256:
            return "CP1256";
        case 1257:
            return "CP1257";
        case 1258:
            return "CP1258";
        case 10000:
            return "MACINTOSH";
        default:
            return nullptr;
    }
}

bool isDoubleByteCodePage(int number) {
    return number == 932 || number == 936 || number == 949 || number == 950 || number == 1361;
}

const char* doubleByteIconvName(int number) {
    switch (number) {
        case 932:
            return "CP932";
        case 936:
            return "CP936";
        case 949:
            return "CP949";
        case 950:
            return "CP950";
        default:
            return "JOHAB";
    }
}

// The one character that iconv makes of `bytes`, or nothing.
std::optional<char32_t> decodeOne(iconv_t cd, std::string_view bytes) {
    char in[4] = {};
    bytes.copy(in, sizeof in);
    unsigned char out[16] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = bytes.size();
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    // Code pages with combining marks may hold a base letter back until
    // they see what follows; flush it.
    if (r != static_cast<std::size_t>(-1)) {
        r = iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    }
    // Only bytes that decode to exactly one character count.
    if (r == static_cast<std::size_t>(-1) || inLeft != 0 || sizeof out - outLeft != 4) {
        return std::nullopt;
    }
    return static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) |
                                 (static_cast<uint32_t>(out[3]) << 24));
}

}  // namespace

int CodePage::ofCharSet(int charSet, int ansiCodePage) {
    switch (charSet) {
        case 0:
            return 1252;
        case 2:
            return 0;
        case 77:
            return 10000;
        case 128:
            return 932;
        case 129:
            return 949;
        case 130:
            return 1361;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        case 255:
            return 437;
        default:
            return ansiCodePage;
    }
}

int CodePage::charSetOf(int codePage) {
    static constexpr std::pair<int, int> kSets[] = {
        {1250, 238}, {1251, 204}, {1253, 161}, {1254, 162}, {1255, 177}, {1256, 178},
        {1257, 186}, {1258, 163}, {874, 222},  {932, 128},  {936, 134},  {949, 129},
        {950, 136},  {1361, 130}, {10000, 77}, {437, 255}};
    for (const auto& [page, set] : kSets) {
        if (page == codePage) {
            return set;
        }
    }
    return 0;
}

CodePage CodePage::make(int number) {
    CodePage page;
    page.number_ = number;
    if (isDoubleByteCodePage(number)) {
        page.windows1252_ = false;
        return page;
    }
    const char* name = iconvName(number);
    iconv_t cd = name ? iconv_open("UTF-32LE", name) : reinterpret_cast<iconv_t>(-1);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        page.number_ = 1252;
        return page;
    }
    page.windows1252_ = false;
    for (int b = 0x80; b < 256; ++b) {
        const char in = static_cast<char>(b);
        const std::optional<char32_t> ch = decodeOne(cd, std::string_view(&in, 1));
        page.chars_[b - 0x80] = ch.value_or(0xFFFD);
        if (ch) {
            page.bytes_.emplace(*ch, static_cast<uint8_t>(b));
        }
    }
    iconv_close(cd);
    return page;
}

std::string CodePage::name() const {
    switch (number_) {
        case 437:
        case 850:
        case 852:
        case 866:
            return "code page " + std::to_string(number_);
        case 10000:
            return "Mac Roman";
        case 1361:
            return "Johab";
        default:
            return "Windows-" + std::to_string(number_);
    }
}

void CodePage::decode(std::string_view bytes, std::u32string& out) const {
    if (windows1252_) {
        for (const char c : bytes) {
            out += Cp1252::toUnicode(static_cast<uint8_t>(c));
        }
        return;
    }
    if (!isDoubleByteCodePage(number_)) {
        for (const char c : bytes) {
            const auto b = static_cast<uint8_t>(c);
            out += b < 0x80 ? char32_t{b} : chars_[b - 0x80];
        }
        return;
    }
    iconv_t cd = iconv_open("UTF-32LE", doubleByteIconvName(number_));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        if (b < 0x80) {
            out += b;
            continue;
        }
        std::optional<char32_t> ch;
        if (cd != reinterpret_cast<iconv_t>(-1) && i + 1 < bytes.size()) {
            ch = decodeOne(cd, bytes.substr(i, 2));
            if (ch) {
                out += *ch;
                out += kContinuation;
                ++i;
                continue;
            }
        }
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            ch = decodeOne(cd, bytes.substr(i, 1));  // single-byte characters of the page
        }
        out += ch.value_or(0xFFFD);
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(cd);
    }
}

std::optional<uint8_t> CodePage::fromUnicode(char32_t ch) const {
    if (windows1252_) {
        return Cp1252::fromUnicode(ch);
    }
    if (ch < 0x80) {
        return static_cast<uint8_t>(ch);
    }
    const auto it = bytes_.find(ch);
    if (it == bytes_.end()) {
        return std::nullopt;
    }
    return it->second;
}

const CodePage& CodePage::of(int number) {
    // Built once per code page and kept: a document names only a few.
    static std::mutex mutex;
    static std::map<int, CodePage> pages;
    static const CodePage windows1252;
    if (number == 0 || number == 1252 || (!iconvName(number) && !isDoubleByteCodePage(number))) {
        return windows1252;
    }
    std::lock_guard<std::mutex> lock(mutex);
    auto it = pages.find(number);
    if (it == pages.end()) {
        it = pages.emplace(number, make(number)).first;
    }
    return it->second;
}

}  // namespace sorvel
