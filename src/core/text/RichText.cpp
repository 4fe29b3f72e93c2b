#include "text/RichText.h"

#include "common/HugePages.h"

#include <algorithm>
#include <cassert>
#include <functional>

namespace sorvel {

namespace {

FontDescription fullFormat(FontDescription f) {
    f.mask = charmask::All;
    return f;
}

}  // namespace

std::size_t RichText::FormatHash::operator()(const FontDescription& f) const {
    std::size_t h = std::hash<std::string_view>()(f.faceName.view());
    auto mix = [&h](uint64_t v) {
        h ^= std::hash<uint64_t>()(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    };
    mix(f.effects);
    mix(static_cast<uint32_t>(f.height));
    mix(static_cast<uint32_t>(f.offset));
    mix(f.color);
    mix((uint32_t{f.charSet} << 8) | f.pitchAndFamily);
    return h;
}

RichText::RichText(const FontDescription& defaultFormat)
    : defaultFormat_(fullFormat(defaultFormat)), paras_(1) {
    paras_[0].mask = paramask::All;
}

FontDescription RichText::standardFormat() {
    FontDescription f;
    f.mask = charmask::All;
    f.effects = chareffect::AutoColor;
    f.height = 240;
    f.pitchAndFamily = 0x12;  // variable pitch, roman family
    f.faceName = "Times New Roman";
    return f;
}

void RichText::reserve(std::size_t characters) {
    text_.reserve(characters);
    adviseHugePages(text_.data(), text_.capacity());
}

std::string RichText::normalizeBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string_view RichText::textRange(long start, long end) const {
    start = std::clamp(start, 0L, length());
    end = std::clamp(end, start, length());
    return std::string_view(text_).substr(static_cast<std::size_t>(start),
                                          static_cast<std::size_t>(end - start));
}

long RichText::snapDown(long pos) const {
    pos = std::clamp(pos, 0L, length());
    if (pos > 0 && pos < length() && text_[pos - 1] == '\r' && text_[pos] == '\n') {
        --pos;
    }
    return pos;
}

long RichText::snapUp(long pos) const {
    pos = std::clamp(pos, 0L, length());
    if (pos > 0 && pos < length() && text_[pos - 1] == '\r' && text_[pos] == '\n') {
        ++pos;
    }
    return pos;
}

void RichText::setDefaultFormat(const FontDescription& format) {
    defaultFormat_ = fullFormat(format);
}

uint32_t RichText::intern(const FontDescription& format) {
    const FontDescription full = fullFormat(format);
    auto it = formatIds_.find(full);
    if (it != formatIds_.end()) {
        return it->second;
    }
    const auto id = static_cast<uint32_t>(formats_.size());
    formats_.push_back(full);
    formatIds_.emplace(full, id);
    return id;
}

std::size_t RichText::runIndexAt(long pos) const {
    const auto after = std::upper_bound(runs_.begin(), runs_.end(), pos,
                                        [](long p, const FormatRun& r) { return p < r.start; });
    return static_cast<std::size_t>(after - runs_.begin()) - 1;
}

RichText::Run RichText::runAt(long pos) const {
    const std::size_t k = runIndexAt(pos);
    return Run{runs_[k].start, runEnd(k), &formats_[runs_[k].id], runs_[k].id};
}

long RichText::runEnd(std::size_t index) const {
    return index + 1 < runs_.size() ? runs_[index + 1].start : length();
}

std::size_t RichText::cutAt(long pos) {
    const auto at = std::lower_bound(runs_.begin(), runs_.end(), pos,
                                     [](const FormatRun& r, long p) { return r.start < p; });
    const auto index = static_cast<std::size_t>(at - runs_.begin());
    if (at == runs_.end() ? pos >= length() : at->start == pos) {
        return index;
    }
    // Inside the run before: it goes on from `pos` as a run of its own.
    runs_.insert(at, FormatRun{pos, runs_[index - 1].id});
    return index;
}

void RichText::joinRuns(std::size_t from, std::size_t to) {
    to = std::min(to, runs_.size());
    if (from >= to) {
        return;
    }
    std::size_t kept = from;
    for (std::size_t k = from + 1; k < to; ++k) {
        if (runs_[k].id != runs_[kept].id) {
            runs_[++kept] = runs_[k];
        }
    }
    runs_.erase(runs_.begin() + static_cast<long>(kept + 1), runs_.begin() + static_cast<long>(to));
}

void RichText::appendRun(long start, uint32_t id) {
    if (runs_.empty() || runs_.back().id != id) {
        runs_.push_back(FormatRun{start, id});
    }
}

void RichText::spliceRuns(long start, long end, const std::vector<FormatRun>& inserted,
                          long insertedLength) {
    const std::size_t first = cutAt(start);
    const std::size_t last = cutAt(end);
    runs_.erase(runs_.begin() + static_cast<long>(first), runs_.begin() + static_cast<long>(last));
    const long delta = insertedLength - (end - start);
    for (std::size_t k = first; k < runs_.size(); ++k) {
        runs_[k].start += delta;
    }
    std::vector<FormatRun> placed = inserted;
    for (FormatRun& r : placed) {
        r.start += start;
    }
    runs_.insert(runs_.begin() + static_cast<long>(first), placed.begin(), placed.end());
    joinRuns(first == 0 ? 0 : first - 1, first + placed.size() + 1);
}

int RichText::paragraphAt(long pos) const {
    return static_cast<int>(std::lower_bound(breaks_.begin(), breaks_.end(), pos) -
                            breaks_.begin());
}

long RichText::paragraphStart(int index) const {
    return index == 0 ? 0 : breaks_[index - 1] + 2;
}

long RichText::paragraphEnd(int index) const {
    return index < static_cast<int>(breaks_.size()) ? breaks_[index] : length();
}

void RichText::setParaFormat(int index, const ParaFormat& format) {
    paras_[index] = format;
    paras_[index].mask = paramask::All;
}

void RichText::spliceParagraphs(long start, long end, long insertedLength,
                                const std::vector<long>& newBreakOffsets,
                                const std::vector<ParaFormat>& newBreakFormats) {
    // Edits in place, so that appending at the end costs nothing per paragraph.
    const auto i0 = std::lower_bound(breaks_.begin(), breaks_.end(), start) - breaks_.begin();
    const auto i1 = std::lower_bound(breaks_.begin(), breaks_.end(), end) - breaks_.begin();
    const long delta = insertedLength - (end - start);

    breaks_.erase(breaks_.begin() + i0, breaks_.begin() + i1);
    breaks_.insert(breaks_.begin() + i0, newBreakOffsets.begin(), newBreakOffsets.end());
    const auto firstNew = breaks_.begin() + i0;
    const auto firstOld = firstNew + static_cast<long>(newBreakOffsets.size());
    for (auto it = firstNew; it != firstOld; ++it) {
        *it += start;
    }
    if (delta != 0) {
        for (auto it = firstOld; it != breaks_.end(); ++it) {
            *it += delta;
        }
    }

    paras_.erase(paras_.begin() + i0, paras_.begin() + i1);
    paras_.insert(paras_.begin() + i0, newBreakFormats.begin(), newBreakFormats.end());
}

long RichText::replace(long start, long end, std::string_view text, const FontDescription& format) {
    start = snapDown(start);
    end = std::max(start, snapUp(end));
    const std::string normal = normalizeBreaks(text);
    const uint32_t id = intern(format);

    std::vector<long> breakOffsets;
    for (std::size_t i = 0; i + 1 < normal.size(); ++i) {
        if (normal[i] == '\r') {
            breakOffsets.push_back(static_cast<long>(i));
        }
    }
    // New paragraphs take the format of the paragraph that survives the edit.
    const ParaFormat survivor = paras_[paragraphAt(end)];
    const std::vector<ParaFormat> breakFormats(breakOffsets.size(), survivor);
    const auto n = static_cast<long>(normal.size());
    spliceParagraphs(start, end, n, breakOffsets, breakFormats);

    spliceRuns(start, end, n > 0 ? std::vector<FormatRun>{{0, id}} : std::vector<FormatRun>{}, n);
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), normal);
    return n;
}

long RichText::replace(long start, long end, const RichText& piece) {
    start = snapDown(start);
    end = std::max(start, snapUp(end));

    std::vector<long> breakOffsets = piece.breaks_;
    std::vector<ParaFormat> breakFormats(piece.paras_.begin(), piece.paras_.end() - 1);
    spliceParagraphs(start, end, piece.length(), breakOffsets, breakFormats);

    std::vector<FormatRun> runs = piece.runs_;
    std::vector<uint32_t> mapped(piece.formats_.size(), UINT32_MAX);
    for (FormatRun& r : runs) {
        uint32_t& m = mapped[r.id];
        if (m == UINT32_MAX) {
            m = intern(piece.formats_[r.id]);
        }
        r.id = m;
    }
    spliceRuns(start, end, runs, piece.length());
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start),
                  piece.text_);
    return piece.length();
}

void RichText::applyFormat(long start, long end, const FontDescription& delta) {
    start = std::clamp(start, 0L, length());
    end = std::clamp(end, start, length());
    if (start == end) {
        return;
    }
    const std::size_t first = cutAt(start);
    const std::size_t last = cutAt(end);
    std::unordered_map<uint32_t, uint32_t> mapped;
    for (std::size_t k = first; k < last; ++k) {
        const uint32_t old = runs_[k].id;
        auto it = mapped.find(old);
        if (it == mapped.end()) {
            FontDescription f = formats_[old];
            f.merge(delta);
            it = mapped.emplace(old, intern(f)).first;
        }
        runs_[k].id = it->second;
    }
    joinRuns(first == 0 ? 0 : first - 1, last + 1);
}

RichText RichText::slice(long start, long end) const {
    start = snapDown(start);
    end = std::max(start, snapUp(end));
    RichText out(defaultFormat_);
    out.text_.assign(text_, static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    forEachRun(start, end, [&out, start](const Run& run) {
        out.appendRun(run.start - start, out.intern(*run.format));
    });
    const auto i0 = std::lower_bound(breaks_.begin(), breaks_.end(), start) - breaks_.begin();
    const auto i1 = std::lower_bound(breaks_.begin(), breaks_.end(), end) - breaks_.begin();
    out.paras_.clear();
    for (auto i = i0; i < i1; ++i) {
        out.breaks_.push_back(breaks_[i] - start);
        out.paras_.push_back(paras_[i]);
    }
    out.paras_.push_back(paras_[i1]);
    return out;
}

void RichText::clear() {
    text_.clear();
    runs_.clear();
    breaks_.clear();
    const ParaFormat last = paras_.back();
    paras_.assign(1, last);
}

void RichText::append(std::string_view text, const FontDescription& format) {
    // Text without a break only adds to the last paragraph, as a reader
    // adds run after run.
    if (text.find_first_of("\r\n") != std::string_view::npos ||
        (!text_.empty() && text_.back() == '\r')) {
        replace(length(), length(), text, format);
        return;
    }
    const uint32_t id = intern(format);
    if (!text.empty()) {
        appendRun(length(), id);
        text_.append(text);
    }
}

void RichText::appendBreak(const FontDescription& charFormat, const ParaFormat& paraFormat) {
    const uint32_t id = intern(charFormat);
    breaks_.push_back(length());
    paras_.back() = paraFormat;
    paras_.back().mask = paramask::All;
    paras_.push_back(paras_.back());
    appendRun(length(), id);
    text_ += "\r\n";
}

bool operator==(const RichText& a, const RichText& b) {
    if (a.text_ != b.text_ || a.breaks_ != b.breaks_ || a.paras_ != b.paras_) {
        return false;
    }
    // Run by run of either: the two may cut the text in different places
    // where their tables give two ids to one format.
    std::size_t i = 0;
    std::size_t j = 0;
    for (long pos = 0; pos < a.length();) {
        if (!(a.formats_[a.runs_[i].id] == b.formats_[b.runs_[j].id])) {
            return false;
        }
        const long endA = a.runEnd(i);
        const long endB = b.runEnd(j);
        pos = std::min(endA, endB);
        i += endA == pos ? 1 : 0;
        j += endB == pos ? 1 : 0;
    }
    return true;
}

}  // namespace sorvel
