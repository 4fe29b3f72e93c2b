#include "shell/TextSearch.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace sorvel {

namespace {

bool isWordByte(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           c >= 0x80;
}

// The length of the match at `at`, or 0.
long matchAt(std::string_view text, long at, const SearchText& what, const SearchOptions& options,
             const SearchText::KindAt& kindAt) {
    const long n = what.matchAt(text, at, options.matchCase, kindAt);
    if (n == 0) {
        return 0;
    }
    if (options.wholeWord) {
        if (at > 0 && isWordByte(static_cast<unsigned char>(text[at - 1]))) {
            return 0;
        }
        if (at + n < static_cast<long>(text.size()) &&
            isWordByte(static_cast<unsigned char>(text[at + n]))) {
            return 0;
        }
    }
    return n;
}

// The font kind of every character of the surface's text, by runs: looked
// up only where a Pali letter is tried.
class FontKinds {
  public:
    explicit FontKinds(const RichEditSurface& surface) {
        const RichText text = surface.getRichTextRange(0, -1);
        text.forEachRun(0, text.length(), [this](const RichText::Run& run) {
            const PaliFontKind kind = paliFontByPrefix(run.format->faceName);
            if (kinds_.empty() || kinds_.back() != kind) {
                starts_.push_back(run.start);
                kinds_.push_back(kind);
            }
        });
    }

    PaliFontKind at(long pos) const {
        const auto it = std::upper_bound(starts_.begin(), starts_.end(), pos);
        return it == starts_.begin() ? PaliFontKind::NoPaliFont
                                     : kinds_[static_cast<std::size_t>(it - starts_.begin() - 1)];
    }

  private:
    std::vector<long> starts_;
    std::vector<PaliFontKind> kinds_;
};

// What finding `what` on `surface` needs to know of its fonts: nothing for
// a text without Pali letters.
SearchText::KindAt kindsOf(const RichEditSurface& surface, const SearchText& what) {
    if (!what.hasLetters()) {
        return {};
    }
    auto kinds = std::make_shared<const FontKinds>(surface);
    return [kinds](long pos) { return kinds->at(pos); };
}

}  // namespace

std::optional<Selection> TextSearch::find(std::string_view text, const SearchText& what,
                                          Selection from, const SearchOptions& options,
                                          const SearchText::KindAt& kindAt) {
    const long size = static_cast<long>(text.size());
    if (what.empty()) {
        return std::nullopt;
    }
    auto at = [&](long start) { return matchAt(text, start, what, options, kindAt); };
    if (options.down) {
        for (long start = std::max(0L, from.end); start < size; ++start) {
            if (const long n = at(start)) {
                return Selection{start, start + n};
            }
        }
        for (long start = 0; start < std::min(from.end, size); ++start) {
            if (const long n = at(start)) {
                return Selection{start, start + n};
            }
        }
        return std::nullopt;
    }
    for (long start = std::min(from.start, size) - 1; start >= 0; --start) {
        const long n = at(start);
        if (n && start + n <= from.start) {
            return Selection{start, start + n};
        }
    }
    for (long start = size - 1; start >= 0; --start) {
        const long n = at(start);
        if (n && start + n > from.start) {
            return Selection{start, start + n};
        }
    }
    return std::nullopt;
}

std::optional<Selection> TextSearch::find(std::string_view text, std::string_view what,
                                          Selection from, const SearchOptions& options) {
    return find(text, SearchText::bytes(what), from, options);
}

bool TextSearch::matches(std::string_view text, Selection candidate, const SearchText& what,
                         const SearchOptions& options, const SearchText::KindAt& kindAt) {
    return !candidate.empty() &&
           matchAt(text, candidate.start, what, options, kindAt) == candidate.length();
}

bool TextSearch::findNext(RichEditSurface& surface, const SearchText& what,
                          const SearchOptions& options) {
    const std::optional<Selection> found =
        find(surface.getWindowText(), what, surface.getSel(), options, kindsOf(surface, what));
    if (!found) {
        return false;
    }
    surface.setSel(found->start, found->end);
    return true;
}

bool TextSearch::replace(RichEditSurface& surface, const SearchText& what, const SearchText& with,
                         const SearchOptions& options) {
    const Selection sel = surface.getSel();
    const SearchText::KindAt kinds = kindsOf(surface, what);
    if (matches(surface.getWindowText(), sel, what, options, kinds)) {
        // The replacement takes the format of the match's first character,
        // and its Pali letters that font's bytes.
        const RichText first = surface.getRichTextRange(sel.start, sel.start + 1);
        surface.replaceSel(with.in(paliFontByPrefix(first.formatAt(0).faceName)), true);
    }
    return findNext(surface, what, options);
}

int TextSearch::replaceAll(RichEditSurface& surface, const SearchText& what, const SearchText& with,
                           const SearchOptions& options) {
    if (what.empty()) {
        return 0;
    }
    // Matches are looked for in the text as it was, from the start, and
    // replaced from the end, so that no replacement moves a match still to do
    // and no replaced text is searched again.
    const std::string text = surface.getWindowText();
    const SearchText::KindAt kinds = kindsOf(surface, what);
    // A replacement takes the format of the match's first character, and its
    // Pali letters that font's bytes.
    const std::optional<RichText> rich =
        with.hasLetters() ? std::optional<RichText>(surface.getRichTextRange(0, -1)) : std::nullopt;
    std::vector<Selection> found;
    for (long at = 0; at < static_cast<long>(text.size());) {
        if (const long n = matchAt(text, at, what, options, kinds)) {
            found.push_back(Selection{at, at + n});
            at += n;
        } else {
            ++at;
        }
    }
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        surface.setSel(it->start, it->end);
        const PaliFontKind kind =
            rich ? paliFontByPrefix(rich->formatAt(it->start).faceName) : PaliFontKind::NoPaliFont;
        surface.replaceSel(with.in(kind), true);
    }
    return static_cast<int>(found.size());
}

std::string TextSearch::notFoundMessage(const SearchText& what) {
    return "Cannot find the string '" + what.shown() + "'.";
}

}  // namespace sorvel
