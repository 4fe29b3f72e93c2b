#include "translit/FormattedRewrite.h"

#include "text/SurfaceRules.h"

namespace sorvel {

namespace {

bool isBreak(char c) {
    return c == '\r' || c == '\n';
}

// 16777215 as "16,777,215".
std::string withThousands(long n) {
    std::string digits = std::to_string(n);
    for (auto i = static_cast<long>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), 1, ',');
    }
    return digits;
}

}  // namespace

RichText FormattedRewrite::rebuild(const RichText& source, const TracedText& rewritten,
                                   const FontDescription& loose, const ParaFormat& looseParagraph) {
    const std::string& text = rewritten.text();
    const std::size_t n = text.size();
    auto known = [&source](int32_t origin) {
        return origin != TracedText::kNoOrigin && origin < source.length();
    };
    // The origins mostly go up one by one: the run of the last one looked
    // up answers most of the next lookups.
    RichText::Run last{0, 0, nullptr, 0};
    auto sourceRun = [&](int32_t origin) -> const RichText::Run& {
        if (origin < last.start || origin >= last.end) {
            last = source.runAt(origin);
        }
        return last;
    };
    auto formatOf = [&](int32_t origin) -> const FontDescription& {
        return known(origin) ? *sourceRun(origin).format : loose;
    };
    auto sameFormat = [&](int32_t a, int32_t b) {
        if (!known(a) || !known(b)) {
            return known(a) == known(b);
        }
        const uint32_t first = sourceRun(a).formatId;
        return sourceRun(b).formatId == first;
    };

    RichText out(source.defaultFormat());
    std::size_t i = 0;
    while (i < n) {
        const int32_t origin = rewritten.originAt(i);
        if (isBreak(text[i])) {
            // A lone CR or LF is a break too, as everywhere in the text.
            const ParaFormat para =
                known(origin) ? source.paraFormat(source.paragraphAt(origin)) : looseParagraph;
            out.appendBreak(formatOf(origin), para);
            i += (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        std::size_t j = i + 1;
        while (j < n && !isBreak(text[j]) && sameFormat(rewritten.originAt(j), origin)) {
            ++j;
        }
        out.append(std::string_view(text).substr(i, j - i), formatOf(origin));
        i = j;
    }
    // The last paragraph joins the one after it when put back; it keeps the
    // format of the original's last one all the same.
    out.setParaFormat(out.paragraphCount() - 1, source.paraFormat(source.paragraphCount() - 1));
    return out;
}

bool FormattedRewrite::rewriteSelection(ViewContext& view,
                                        const std::function<void(TracedText&)>& rewrite,
                                        const FontDescription* applied) {
    RichEditSurface& surface = view.surface;
    const Selection sel = surface.getSel();
    RichText source = surface.getRichTextRange(sel.start, sel.end);
    if (applied) {
        source.applyFormat(0, source.length(), *applied);
    }
    TracedText text(source.text());
    rewrite(text);
    const FontDescription loose =
        source.empty() ? surface.getCharFormatSelection() : source.formatAt(0);
    return putBack(view, rebuild(source, text, loose, source.paraFormat(0)));
}

bool FormattedRewrite::putBack(ViewContext& view, const RichText& text) {
    RichEditSurface& surface = view.surface;
    const long limit = surface.getLimitText();
    const long room = SurfaceRules::room(surface.getTextLength(), surface.getSel().length(), limit);
    if (text.length() > room) {
        view.platform.messageBox(tooLongMessage(limit));
        return false;
    }
    surface.replaceSelRich(text);
    return true;
}

std::string FormattedRewrite::tooLongMessage(long limit) {
    return "The result does not fit into the document: a document holds at most " +
           withThousands(limit) +
           " characters (a paragraph break counts two).\n\nNothing was changed. Select less text, "
           "or delete some text elsewhere, and try again.";
}

}  // namespace sorvel
