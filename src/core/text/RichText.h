#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/FontDescription.h"
#include "text/ParaFormat.h"

namespace sorvel {

// An 8-bit rich text held in memory: the characters, a full Font description
// for every character and a paragraph format for every paragraph.
//
// Paragraph breaks are always CR LF; text put in is normalised so that a lone
// CR or LF becomes a break too. A paragraph's format belongs to its break, so
// when a break is deleted the joined paragraph takes the format of the later
// paragraph, whose break survives.
//
// Formats are interned and held by runs: the text is cut into stretches of
// one format, each naming its format by its index in a table of distinct
// formats. A long document with a few fonts takes little more than its
// characters, and comparing two characters' formats is an integer compare.
class RichText {
  public:
    struct Run {
        long start;
        long end;
        const FontDescription* format;
        uint32_t formatId;  // the same for two runs of a text exactly when their formats are
    };

    explicit RichText(const FontDescription& defaultFormat = standardFormat());

    // The format an empty text types in until told otherwise.
    static FontDescription standardFormat();
    // Replaces every lone CR and every lone LF by CR LF.
    static std::string normalizeBreaks(std::string_view text);

    long length() const { return static_cast<long>(text_.size()); }
    // Makes room for `characters` in all, so that a long text built at its
    // end does not move as it grows.
    void reserve(std::size_t characters);
    bool empty() const { return text_.empty(); }
    const std::string& text() const { return text_; }
    // The characters of [start, end), clipped to the text.
    std::string_view textRange(long start, long end) const;

    // Moves a position that falls between the CR and the LF of a break back to
    // the start of the break, and clamps it to [0, length()].
    long snapDown(long pos) const;
    long snapUp(long pos) const;

    const FontDescription& defaultFormat() const { return defaultFormat_; }
    void setDefaultFormat(const FontDescription& format);
    // The full format of the character at `pos` (0 <= pos < length()).
    const FontDescription& formatAt(long pos) const { return formats_[runs_[runIndexAt(pos)].id]; }
    // The stretch of one format that holds `pos` (0 <= pos < length()).
    Run runAt(long pos) const;
    // Calls `f(run)` for each maximal stretch of [start, end) in one format.
    template <class F>
    void forEachRun(long start, long end, F&& f) const;

    int paragraphCount() const { return static_cast<int>(paras_.size()); }
    // The paragraph that holds `pos`; a break belongs to the paragraph it ends.
    int paragraphAt(long pos) const;
    long paragraphStart(int index) const;
    // The position of the paragraph's CR, or length() for the last paragraph.
    long paragraphEnd(int index) const;
    const ParaFormat& paraFormat(int index) const { return paras_[index]; }
    void setParaFormat(int index, const ParaFormat& format);

    // Replaces [start, end) by `text` in `format` and gives the number of
    // characters inserted (breaks normalised). Positions are snapped first.
    long replace(long start, long end, std::string_view text, const FontDescription& format);
    // Replaces [start, end) by a piece of rich text: its characters keep their
    // formats and the paragraphs that its breaks end keep their paragraph
    // formats; its last paragraph joins the paragraph that holds `end`.
    long replace(long start, long end, const RichText& piece);
    // Applies the masked properties of `delta` to every character of [start, end).
    void applyFormat(long start, long end, const FontDescription& delta);
    // A copy of [start, end) as a text of its own.
    RichText slice(long start, long end) const;
    void clear();

    // Appends text in one format; the fast way to build a document.
    void append(std::string_view text, const FontDescription& format);
    // Appends a paragraph break that ends the current last paragraph with `format`.
    void appendBreak(const FontDescription& charFormat, const ParaFormat& paraFormat);

    // Same characters, formats and paragraph formats.
    friend bool operator==(const RichText& a, const RichText& b);

  private:
    // From `start` to the next run's start (or the end of the text), every
    // character is in format `id`. Two runs next to each other never have the
    // same format, and the first starts at 0.
    struct FormatRun {
        long start;
        uint32_t id;
    };

    uint32_t intern(const FontDescription& format);
    // The run that holds `pos` (0 <= pos < length()).
    std::size_t runIndexAt(long pos) const;
    long runEnd(std::size_t index) const;
    // The index of the first run that starts at or after `pos`, cutting the
    // run that holds `pos` in two so that one starts there.
    std::size_t cutAt(long pos);
    // Joins the runs in [from, to) with their neighbours where the formats
    // are the same.
    void joinRuns(std::size_t from, std::size_t to);
    void appendRun(long start, uint32_t id);
    // Puts the runs of `inserted` (starting from 0, `insertedLength` long in
    // all) in place of [start, end); the text itself is changed after.
    void spliceRuns(long start, long end, const std::vector<FormatRun>& inserted,
                    long insertedLength);
    void spliceParagraphs(long start, long end, long insertedLength,
                          const std::vector<long>& newBreakOffsets,
                          const std::vector<ParaFormat>& newBreakFormats);

    struct FormatHash {
        std::size_t operator()(const FontDescription& f) const;
    };

    std::string text_;
    std::vector<FormatRun> runs_;
    std::vector<FontDescription> formats_;
    std::unordered_map<FontDescription, uint32_t, FormatHash> formatIds_;
    FontDescription defaultFormat_;
    std::vector<long> breaks_;       // positions of the CR of each break, ascending
    std::vector<ParaFormat> paras_;  // breaks_.size() + 1 entries
};

template <class F>
void RichText::forEachRun(long start, long end, F&& f) const {
    start = start < 0 ? 0 : start;
    end = end > length() ? length() : end;
    if (start >= end) {
        return;
    }
    std::size_t k = runIndexAt(start);
    for (long i = start; i < end; ++k) {
        const long j = std::min(runEnd(k), end);
        f(Run{i, j, &formats_[runs_[k].id], runs_[k].id});
        i = j;
    }
}

}  // namespace sorvel
