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
    ids_.reserve(characters);
    adviseHugePages(text_.data(), text_.capacity());
    adviseHugePages(ids_.data(), ids_.capacity() * sizeof(ids_[0]));
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

    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), normal);
    ids_.erase(ids_.begin() + start, ids_.begin() + end);
    ids_.insert(ids_.begin() + start, static_cast<std::size_t>(n), id);
    return n;
}

long RichText::replace(long start, long end, const RichText& piece) {
    start = snapDown(start);
    end = std::max(start, snapUp(end));

    std::vector<long> breakOffsets = piece.breaks_;
    std::vector<ParaFormat> breakFormats(piece.paras_.begin(), piece.paras_.end() - 1);
    spliceParagraphs(start, end, piece.length(), breakOffsets, breakFormats);

    std::vector<uint32_t> ids(piece.ids_.size());
    std::vector<uint32_t> mapped(piece.formats_.size(), UINT32_MAX);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        uint32_t& m = mapped[piece.ids_[i]];
        if (m == UINT32_MAX) {
            m = intern(piece.formats_[piece.ids_[i]]);
        }
        ids[i] = m;
    }
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start),
                  piece.text_);
    ids_.erase(ids_.begin() + start, ids_.begin() + end);
    ids_.insert(ids_.begin() + start, ids.begin(), ids.end());
    return piece.length();
}

void RichText::applyFormat(long start, long end, const FontDescription& delta) {
    start = std::clamp(start, 0L, length());
    end = std::clamp(end, start, length());
    std::unordered_map<uint32_t, uint32_t> mapped;
    for (long i = start; i < end; ++i) {
        const uint32_t old = ids_[i];
        auto it = mapped.find(old);
        if (it == mapped.end()) {
            FontDescription f = formats_[old];
            f.merge(delta);
            it = mapped.emplace(old, intern(f)).first;
        }
        ids_[i] = it->second;
    }
}

RichText RichText::slice(long start, long end) const {
    start = snapDown(start);
    end = std::max(start, snapUp(end));
    RichText out(defaultFormat_);
    std::unordered_map<uint32_t, uint32_t> mapped;
    out.text_.assign(text_, static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    out.ids_.reserve(out.text_.size());
    for (long i = start; i < end; ++i) {
        auto it = mapped.find(ids_[i]);
        if (it == mapped.end()) {
            it = mapped.emplace(ids_[i], out.intern(formats_[ids_[i]])).first;
        }
        out.ids_.push_back(it->second);
    }
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
    ids_.clear();
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
    text_.append(text);
    ids_.insert(ids_.end(), text.size(), id);
}

void RichText::appendBreak(const FontDescription& charFormat, const ParaFormat& paraFormat) {
    const uint32_t id = intern(charFormat);
    breaks_.push_back(length());
    paras_.back() = paraFormat;
    paras_.back().mask = paramask::All;
    paras_.push_back(paras_.back());
    text_ += "\r\n";
    ids_.push_back(id);
    ids_.push_back(id);
}

bool operator==(const RichText& a, const RichText& b) {
    if (a.text_ != b.text_ || a.breaks_ != b.breaks_ || a.paras_ != b.paras_) {
        return false;
    }
    for (std::size_t i = 0; i < a.ids_.size(); ++i) {
        if (!(a.formats_[a.ids_[i]] == b.formats_[b.ids_[i]])) {
            return false;
        }
    }
    return true;
}

}  // namespace sorvel
