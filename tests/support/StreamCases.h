#pragma once

// The streaming conversions of sorvel-convert's text commands, each beside
// the whole-text processing it must equal, for the tests and the fuzz target
// that feed the same input in pieces of every size.

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/FilterChain.h"
#include "common/LineBreakFilter.h"
#include "common/ReplaceFilter.h"
#include "common/TextFilter.h"
#include "editor/ViewContext.h"
#include "pali/KeystrokeTables.h"
#include "pali/TextReplace.h"
#include "text/MemorySurface.h"
#include "translit/CscdPaste.h"
#include "translit/KeyRelease.h"
#include "translit/PaliFontConversion.h"
#include "translit/PaliFontStream.h"
#include "translit/StandardConversion.h"
#include "translit/TypingReplay.h"
#include "unicode/FontToUtf8Stream.h"
#include "unicode/UnicodeText.h"
#include "unicode/Utf8ToFontStream.h"

namespace sorvel::testing {

// Gives the text in pieces whose sizes cycle through `sizes`.
inline std::vector<std::string_view> inPieces(std::string_view text,
                                              const std::vector<std::size_t>& sizes) {
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0, k = 0; at < text.size(); ++k) {
        const std::size_t n =
            std::min(std::max<std::size_t>(sizes[k % sizes.size()], 1), text.size() - at);
        pieces.push_back(text.substr(at, n));
        at += n;
    }
    return pieces;
}

inline std::string runInPieces(TextFilter& filter, std::string_view text,
                               const std::vector<std::size_t>& sizes) {
    std::string out;
    for (const std::string_view piece : inPieces(text, sizes)) {
        filter.push(piece, out);
    }
    filter.finish(out);
    return out;
}

// A text file command's frame around a whole-text conversion, as the tool
// read files before it streamed: line ends made CR LF, then the conversion,
// then CR LF written as LF with `lf`.
inline std::string wholeFile(std::string_view bytes, bool lf,
                             const std::function<std::string(std::string)>& convert) {
    std::string text = convert(RichText::normalizeBreaks(bytes));
    if (lf) {
        replaceAll(text, "\r\n", "\n");
    }
    return text;
}

inline std::unique_ptr<TextFilter> framedFilter(std::unique_ptr<TextFilter> conversion, bool lf) {
    auto chain = std::make_unique<FilterChain>();
    chain->add(std::make_unique<LineBreakFilter>());
    chain->add(std::move(conversion));
    if (lf) {
        chain->add(std::make_unique<ReplaceFilter>("\r\n", "\n"));
    }
    return chain;
}

// A store that keeps the typed text in memory, for the typing replay.
class MemoryStore : public TypingReplay::Store {
  public:
    bool put(std::string_view bytes) override {
        text += bytes;
        return true;
    }
    bool takeBack(std::size_t n, std::string& into) override {
        n = std::min(n, text.size());
        into = text.substr(text.size() - n);
        text.resize(text.size() - n);
        return true;
    }
    std::size_t size() const override { return text.size(); }
    std::string text;
};

// The text typed into a document in memory key by key, as the tool replayed
// typing before it streamed.
inline std::string typedInDocument(std::string_view bytes, ViewContext& view) {
    const std::string text = RichText::normalizeBreaks(bytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool isBreak = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        view.surface.replaceSel(std::string_view(text).substr(i, isBreak ? 2 : 1), false);
        i += isBreak ? 1 : 0;
        handleKeyRelease(view);
    }
    return view.surface.getWindowText();
}

// The same typing through the replay, in pieces.
inline std::string typedInPieces(std::string_view bytes, const ViewContext& view,
                                 const std::vector<std::size_t>& sizes) {
    MemoryStore store;
    TypingReplay typing(tablesInForce(view), store);
    LineBreakFilter breaks;
    std::string typed;
    for (const std::string_view piece : inPieces(bytes, sizes)) {
        typed.clear();
        breaks.push(piece, typed);
        typing.type(typed);
    }
    typed.clear();
    breaks.finish(typed);
    typing.type(typed);
    typing.finish();
    return store.text;
}

// One streaming conversion and the whole-text result it must give.
struct StreamCase {
    std::string name;
    std::function<std::string(std::string_view)> whole;
    std::function<std::unique_ptr<TextFilter>()> stream;
};

// The text commands' conversions between two Pali fonts (and standard
// transliteration, and UTF-8), with and without LF line ends.
inline std::vector<StreamCase> streamCases(PaliFontKind a, PaliFontKind b, bool lf) {
    const std::string ends = lf ? " --lf" : "";
    std::vector<StreamCase> cases;
    cases.push_back({"font" + ends,
                     [=](std::string_view t) {
                         return wholeFile(
                             t, lf, [=](std::string s) { return convertPaliFontText(s, a, b); });
                     },
                     [=] { return std::make_unique<PaliFontStream>(a, b, lf ? "\n" : "\r\n"); }});
    cases.push_back({"to-standard" + ends,
                     [=](std::string_view t) {
                         return wholeFile(t, lf, [=](std::string s) {
                             return paliToStandardText(std::move(s), a);
                         });
                     },
                     [=] { return framedFilter(paliToStandardFilter(a), lf); }});
    cases.push_back({"from-standard" + ends,
                     [=](std::string_view t) {
                         return wholeFile(t, lf, [=](std::string s) {
                             return standardToPaliText(std::move(s), b);
                         });
                     },
                     [=] { return framedFilter(standardToPaliFilter(b), lf); }});
    cases.push_back({"cscd" + ends,
                     [=](std::string_view t) {
                         return wholeFile(
                             t, lf, [](std::string s) { return rewriteCscdText(std::move(s)); });
                     },
                     [=] { return framedFilter(cscdFilter(), lf); }});
    cases.push_back(
        {"unicode" + ends,
         [=](std::string_view t) {
             return wholeFile(t, lf,
                              [=](std::string s) { return UnicodeText::fromFontToUtf8(s, a); });
         },
         [=] { return framedFilter(std::make_unique<FontToUtf8Stream>(a, false), lf); }});
    cases.push_back({"from-unicode",
                     [=](std::string_view t) { return UnicodeText::utf8ToFont(t, b).bytes; },
                     [=] { return std::make_unique<Utf8ToFontStream>(b); }});
    return cases;
}

}  // namespace sorvel::testing
