#include "shell/TextSearch.h"

#include <algorithm>
#include <vector>

namespace sorvel {

namespace {

unsigned char fold(unsigned char c, bool matchCase) {
    if (!matchCase && c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c - 'A' + 'a');
    }
    return c;
}

bool isWordByte(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           c >= 0x80;
}

bool matchAt(std::string_view text, long at, std::string_view what, const SearchOptions& options) {
    const long n = static_cast<long>(what.size());
    if (at < 0 || at + n > static_cast<long>(text.size())) {
        return false;
    }
    for (long i = 0; i < n; ++i) {
        if (fold(static_cast<unsigned char>(text[at + i]), options.matchCase) !=
            fold(static_cast<unsigned char>(what[i]), options.matchCase)) {
            return false;
        }
    }
    if (options.wholeWord) {
        if (at > 0 && isWordByte(static_cast<unsigned char>(text[at - 1]))) {
            return false;
        }
        if (at + n < static_cast<long>(text.size()) &&
            isWordByte(static_cast<unsigned char>(text[at + n]))) {
            return false;
        }
    }
    return true;
}

// The first match starting in [from, to].
std::optional<long> forward(std::string_view text, std::string_view what, long from, long to,
                            const SearchOptions& options) {
    for (long at = from; at <= to; ++at) {
        if (matchAt(text, at, what, options)) {
            return at;
        }
    }
    return std::nullopt;
}

// The last match starting in [from, to].
std::optional<long> backward(std::string_view text, std::string_view what, long from, long to,
                             const SearchOptions& options) {
    for (long at = to; at >= from; --at) {
        if (matchAt(text, at, what, options)) {
            return at;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Selection> TextSearch::find(std::string_view text, std::string_view what,
                                          Selection from, const SearchOptions& options) {
    const long n = static_cast<long>(what.size());
    const long last = static_cast<long>(text.size()) - n;  // the last possible start
    if (n == 0 || last < 0) {
        return std::nullopt;
    }
    std::optional<long> at;
    if (options.down) {
        at = forward(text, what, from.end, last, options);
        if (!at) {
            at = forward(text, what, 0, std::min(from.end - 1, last), options);
        }
    } else {
        at = backward(text, what, 0, std::min(from.start - n, last), options);
        if (!at) {
            at = backward(text, what, std::max(from.start - n + 1, 0L), last, options);
        }
    }
    if (!at) {
        return std::nullopt;
    }
    return Selection{*at, *at + n};
}

bool TextSearch::matches(std::string_view text, Selection candidate, std::string_view what,
                         const SearchOptions& options) {
    return candidate.length() == static_cast<long>(what.size()) && !what.empty() &&
           matchAt(text, candidate.start, what, options);
}

bool TextSearch::findNext(RichEditSurface& surface, std::string_view what,
                          const SearchOptions& options) {
    const std::optional<Selection> found =
        find(surface.getWindowText(), what, surface.getSel(), options);
    if (!found) {
        return false;
    }
    surface.setSel(found->start, found->end);
    return true;
}

bool TextSearch::replace(RichEditSurface& surface, std::string_view what, std::string_view with,
                         const SearchOptions& options) {
    const Selection sel = surface.getSel();
    if (matches(surface.getWindowText(), sel, what, options)) {
        surface.replaceSel(with, true);
    }
    return findNext(surface, what, options);
}

int TextSearch::replaceAll(RichEditSurface& surface, std::string_view what, std::string_view with,
                           const SearchOptions& options) {
    if (what.empty()) {
        return 0;
    }
    // Matches are looked for in the text as it was, from the start, and
    // replaced from the end, so that no replacement moves a match still to do
    // and no replaced text is searched again.
    const std::string text = surface.getWindowText();
    std::vector<long> starts;
    const long n = static_cast<long>(what.size());
    for (long at = 0; at + n <= static_cast<long>(text.size());) {
        if (matchAt(text, at, what, options)) {
            starts.push_back(at);
            at += n;
        } else {
            ++at;
        }
    }
    for (auto it = starts.rbegin(); it != starts.rend(); ++it) {
        surface.setSel(*it, *it + n);
        surface.replaceSel(with, true);
    }
    return static_cast<int>(starts.size());
}

std::string TextSearch::notFoundMessage(std::string_view what) {
    return "Cannot find the string '" + std::string(what) + "'.";
}

}  // namespace sorvel
