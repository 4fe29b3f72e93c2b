#include "unicode/UnicodeImport.h"

#include "common/AsciiCase.h"
#include "docformat/CodePage.h"
#include "pali/PaliCharMap.h"
#include "pali/PaliComposition.h"
#include "pali/PaliUnicode.h"
#include "unicode/RunRebuild.h"
#include "unicode/UnicodeText.h"

namespace sorvel {

namespace {

const CodePage& pageOf(const FontDescription& f) {
    return CodePage::of(CodePage::ofCharSet(f.charSet, 1252));
}

class Importer {
  public:
    Importer(const RichText& doc, const std::vector<RtfReader::UnicodeCharacter>& unicode,
             const UnicodeImportOptions& options)
        : doc_(doc),
          unicode_(unicode),
          options_(options),
          target_(PaliCharMap::of(paliFontByPrefix(options.paliFormat.faceName))) {}

    UnicodeImport::Result run() {
        RichText out = rebuildByRuns(
            doc_,
            [this](const RichText::Run& run, int paragraph, long, RichText& o) {
                if (paragraph != paragraph_) {
                    paragraph_ = paragraph;
                    column_ = 0;
                }
                convertRun(run, o);
            },
            [this](const FontDescription& f) { return paliByFace(f) ? inPaliFont(f) : f; });
        return {std::move(out), std::move(report_)};
    }

  private:
    bool paliByFace(const FontDescription& f) const {
        return options_.everyRun || isPaliFont(paliFontByPrefix(f.faceName)) ||
               equalsIgnoringAsciiCase(f.faceName, options_.unicodeFace);
    }

    FontDescription inPaliFont(const FontDescription& f) const {
        FontDescription p = f;
        p.faceName = options_.paliFormat.faceName;
        p.charSet = options_.paliFormat.charSet;
        p.pitchAndFamily = options_.paliFormat.pitchAndFamily;
        return p;
    }

    // The run's characters: by its own font, and as \uN where the RTF gave that.
    std::u32string charactersOf(const RichText::Run& run) {
        std::u32string chars;
        const std::string_view bytes = doc_.textRange(run.start, run.end);
        const PaliFontKind kind = paliFontByPrefix(run.format->faceName);
        if (isPaliFont(kind)) {
            PaliCharMap::of(kind).decode(bytes, chars);
        } else {
            pageOf(*run.format).decode(bytes, chars);
        }
        while (next_ < unicode_.size() && unicode_[next_].position < run.start) {
            ++next_;
        }
        for (std::size_t k = next_; k < unicode_.size() && unicode_[k].position < run.end; ++k) {
            chars[static_cast<std::size_t>(unicode_[k].position - run.start)] =
                unicode_[k].character;
        }
        return chars;
    }

    void convertRun(const RichText::Run& run, RichText& out) {
        const std::string_view bytes = doc_.textRange(run.start, run.end);
        std::u32string chars = charactersOf(run);
        // Which characters came as \uN that the run's font could not take:
        // the reader made them question marks.
        std::vector<bool> lost(chars.size(), false);
        for (std::size_t k = next_; k < unicode_.size() && unicode_[k].position < run.end; ++k) {
            const auto at = static_cast<std::size_t>(unicode_[k].position - run.start);
            lost[at] = bytes[at] == '?' && unicode_[k].character != '?';
        }
        std::u32string composed;
        bool lostPaliLetter = false;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            if (chars[i] == CodePage::kContinuation) {
                continue;
            }
            std::size_t j = i + 1;
            while (j < chars.size() && chars[j] == CodePage::kContinuation) {
                ++j;
            }
            char32_t c = chars[i];
            bool wasLost = lost[i];
            if (j < chars.size()) {
                if (const char32_t letter = PaliComposition::composePair(c, chars[j])) {
                    c = letter;
                    wasLost = wasLost || lost[j];
                    i = j;
                }
            }
            lostPaliLetter = lostPaliLetter || (wasLost && paliLetterOfUnicode(c) != 0);
            composed += c;
        }
        if (paliByFace(*run.format) || lostPaliLetter) {
            std::string text;
            text.reserve(composed.size());
            for (const char32_t c : composed) {
                ++column_;
                if (const std::optional<uint8_t> b = target_.toByte(c)) {
                    text += static_cast<char>(*b);
                } else {
                    text += options_.replacement;
                    report_.add(c, paragraph_ + 1, column_);
                }
            }
            out.append(text, inPaliFont(*run.format));
            return;
        }
        // Not Pali: the text stays as read, but what its font could not take
        // is reported under the font's name, or its code page's where the
        // RTF gave it none: an empty name would stand for the Pali font.
        const std::string font =
            run.format->faceName.empty() ? pageOf(*run.format).name() : run.format->faceName.str();
        for (std::size_t i = 0; i < chars.size(); ++i) {
            if (lost[i]) {
                report_.add(chars[i], paragraph_ + 1, column_ + static_cast<long>(i) + 1, font);
            }
        }
        column_ += static_cast<long>(chars.size());
        out.append(bytes, *run.format);
    }

    const RichText& doc_;
    const std::vector<RtfReader::UnicodeCharacter>& unicode_;
    const UnicodeImportOptions& options_;
    const PaliCharMap& target_;
    std::size_t next_ = 0;
    int paragraph_ = -1;
    long column_ = 0;
    UnicodeReport report_;
};

}  // namespace

UnicodeImport::Result UnicodeImport::fromUtf8(std::string_view utf8,
                                              const UnicodeImportOptions& options) {
    UnicodeText::FontText text = UnicodeText::utf8ToFont(
        utf8, paliFontByPrefix(options.paliFormat.faceName), options.replacement);
    RichText doc(options.paliFormat);
    doc.append(text.bytes, options.paliFormat);
    return {std::move(doc), std::move(text.report)};
}

std::optional<UnicodeImport::Result> UnicodeImport::fromRtf(std::string_view rtf,
                                                            const UnicodeImportOptions& options) {
    std::vector<RtfReader::UnicodeCharacter> unicode;
    const std::optional<RichText> doc = RtfReader::read(rtf, &unicode);
    if (!doc) {
        return std::nullopt;
    }
    return fromDocument(*doc, unicode, options);
}

UnicodeImport::Result UnicodeImport::fromDocument(
    const RichText& doc, const std::vector<RtfReader::UnicodeCharacter>& unicode,
    const UnicodeImportOptions& options) {
    return Importer(doc, unicode, options).run();
}

}  // namespace sorvel
