#include "translit/PaliFontStream.h"

#include <algorithm>
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <stdexcept>

#include "pali/PaliLetters.h"

namespace sorvel {

namespace {

// What the longest thing decided by the bytes after its start is: an
// intermediate code.
constexpr std::size_t kCodeLength = 6;

#if defined(__x86_64__)
// Sixty-four bytes at a time where the processor can look up a table of 128
// bytes in one instruction: the bytes from 128 up go through the table, the
// others stay. Stops before the first '[' and the first CR or LF (which the
// caller takes on), or where fewer than 64 bytes or 64 bytes of room are
// left; when the line break written is CR LF, a CR LF inside the 64 bytes is
// already one and goes through as it is.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void convertWide(const uint8_t*& p,
                                                                        const uint8_t* end,
                                                                        char*& o, const char* room,
                                                                        const uint8_t* high,
                                                                        bool crLfStays) {
    const __m512i low64 = _mm512_loadu_si512(high);
    const __m512i high64 = _mm512_loadu_si512(high + 64);
    const __m512i cr = _mm512_set1_epi8('\r');
    const __m512i lf = _mm512_set1_epi8('\n');
    const __m512i bracket = _mm512_set1_epi8('[');
    while (end - p >= 64 && room - o >= 64) {
        const __m512i v = _mm512_loadu_si512(p);
        const __mmask64 crs = _mm512_cmpeq_epi8_mask(v, cr);
        const __mmask64 lfs = _mm512_cmpeq_epi8_mask(v, lf);
        // A CR with its LF in the next byte, and that LF; a CR in the last
        // byte or an LF in the first is left to the caller.
        const __mmask64 pairs = crLfStays ? (crs & (lfs >> 1)) | (lfs & (crs << 1)) : 0;
        const __mmask64 slow = ((crs | lfs) & ~pairs) | _mm512_cmpeq_epi8_mask(v, bracket);
        const __m512i mapped = _mm512_permutex2var_epi8(low64, v, high64);
        _mm512_storeu_si512(o, _mm512_mask_mov_epi8(v, _mm512_movepi8_mask(v), mapped));
        const int n = slow ? __builtin_ctzll(slow) : 64;
        p += n;
        o += n;
        if (slow) {
            return;
        }
    }
}

bool canConvertWide() {
    static const bool wide = __builtin_cpu_supports("avx512f") &&
                             __builtin_cpu_supports("avx512bw") &&
                             __builtin_cpu_supports("avx512vbmi");
    return wide;
}
#endif

}  // namespace

PaliFontStream::PaliFontStream(PaliFontKind source, PaliFontKind target, std::string lineBreak)
    : lineBreak_(std::move(lineBreak)) {
    if (!isPaliFont(target)) {
        throw std::invalid_argument("PaliFontStream converts into a Pali font only");
    }
    const std::array<uint8_t, 256> sourceLetters = lettersOfFont(source);
    for (int b = 0; b < 256; ++b) {
        const int letter = sourceLetters[b];
        table_[b] = letter ? fontCharacter(letter, target) : static_cast<uint16_t>(b);
    }
    table_['\r'] = table_['\n'] = table_['['] = kSlow;
    for (const PaliLetter& l : paliLetters()) {
        letters_[l.number] = static_cast<char>(fontCharacter(l.number, target));
    }
    for (int b = 128; b < 256; ++b) {
        high_[b - 128] = static_cast<uint8_t>(table_[b]);
    }
}

std::size_t PaliFontStream::convert(std::string_view in, bool last, std::string& out) {
    const auto* const begin = reinterpret_cast<const uint8_t*>(in.data());
    const auto* const end = begin + in.size();
    // The output is made in a small buffer that stays in the cache and is
    // appended to `out` whenever it fills up.
    constexpr std::size_t kBuffer = 1 << 14;
    constexpr std::ptrdiff_t kBlock = 64;  // the most one step writes before it looks again
    char buffer[kBuffer + kBlock];
    char* o = buffer;
    auto flush = [&] {
        out.append(buffer, static_cast<std::size_t>(o - buffer));
        o = buffer;
    };
    const uint16_t* const table = table_.data();
    [[maybe_unused]] const bool crLfStays = lineBreak_ == "\r\n";
    const uint8_t* p = begin;
    while (p < end) {
#if defined(__x86_64__)
        if (canConvertWide()) {
            convertWide(p, end, o, buffer + kBuffer, high_.data(), crLfStays);
        }
#endif
        // Eight bytes at a time while none of them takes the slow path.
        while (end - p >= 8 && buffer + kBuffer - o >= 8) {
            const uint16_t v0 = table[p[0]], v1 = table[p[1]], v2 = table[p[2]], v3 = table[p[3]],
                           v4 = table[p[4]], v5 = table[p[5]], v6 = table[p[6]], v7 = table[p[7]];
            if ((v0 | v1 | v2 | v3 | v4 | v5 | v6 | v7) & kSlow) {
                break;
            }
            o[0] = static_cast<char>(v0);
            o[1] = static_cast<char>(v1);
            o[2] = static_cast<char>(v2);
            o[3] = static_cast<char>(v3);
            o[4] = static_cast<char>(v4);
            o[5] = static_cast<char>(v5);
            o[6] = static_cast<char>(v6);
            o[7] = static_cast<char>(v7);
            p += 8;
            o += 8;
        }
        if (buffer + kBuffer - o < kBlock) {
            flush();
        }
        // Then byte by byte up to the byte that stopped them, and that byte.
        uint16_t v = 0;
        const uint8_t* const stop = std::min(end, p + 8);
        while (p < stop && !((v = table[*p]) & kSlow)) {
            *o++ = static_cast<char>(v);
            ++p;
        }
        if (p == end || p == stop) {
            continue;
        }
        if (*p == '\n') {
            o = std::copy(lineBreak_.begin(), lineBreak_.end(), o);
            ++p;
        } else if (*p == '\r') {
            if (p + 1 == end && !last) {
                break;
            }
            o = std::copy(lineBreak_.begin(), lineBreak_.end(), o);
            p += p + 1 < end && p[1] == '\n' ? 2 : 1;
        } else if (static_cast<std::size_t>(end - p) >= kCodeLength) {
            // A CR or LF among the six bytes makes them no code, in the raw
            // bytes as after the line ends are made CR LF.
            const int letter = intermediateCodeLetter(
                std::string_view(reinterpret_cast<const char*>(p), kCodeLength));
            *o++ = letter ? letters_[letter] : '[';
            p += letter ? kCodeLength : 1;
        } else if (last) {
            *o++ = '[';
            ++p;
        } else {
            break;
        }
    }
    flush();
    return static_cast<std::size_t>(p - begin);
}

void PaliFontStream::push(std::string_view in, std::string& out) {
    if (!pending_.empty()) {
        // The held-back bytes are at most a CR or a '[' and four more; with
        // a few bytes of the new piece behind them they are decided.
        constexpr std::size_t kSeam = 2 * kCodeLength;
        if (in.size() < kSeam) {
            pending_.append(in);
            pending_.erase(0, convert(pending_, false, out));
            return;
        }
        const std::size_t held = pending_.size();
        pending_.append(in.substr(0, kSeam));
        const std::size_t used = convert(pending_, false, out);
        pending_.clear();
        in.remove_prefix(used - held);
    }
    const std::size_t used = convert(in, false, out);
    pending_.assign(in.substr(used));
}

void PaliFontStream::finish(std::string& out) {
    convert(pending_, true, out);
    pending_.clear();
}

}  // namespace sorvel
