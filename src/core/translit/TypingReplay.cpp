#include "translit/TypingReplay.h"

#include <algorithm>
#include <array>

#include "text/RichText.h"

namespace sorvel {

namespace {

std::vector<CodePair> pairsOf(std::span<const CodePair> table) {
    std::vector<CodePair> pairs;
    for (const CodePair& p : table) {
        if (p.code == kEndCode) {
            break;
        }
        // Text put into the document has its breaks as CR LF.
        pairs.push_back({p.code, RichText::normalizeBreaks(p.replacement)});
    }
    return pairs;
}

}  // namespace

TypingReplay::TypingReplay(std::span<const std::span<const CodePair>> tables, Store& store,
                           std::size_t keep)
    : store_(store), keep_(std::max<std::size_t>(keep, 1)) {
    for (const std::span<const CodePair> table : tables) {
        Table t{pairsOf(table)};
        for (const CodePair& p : t.pairs) {
            if (p.code.empty()) {
                t.anyEnd = true;
            } else {
                t.ends[static_cast<uint8_t>(p.code.back())] = true;
            }
        }
        for (const CodePair& p : t.pairs) {
            // A code is always looked at whole in memory.
            keep_ = std::max(keep_, p.code.size() + 2);
        }
        tables_.push_back(std::move(t));
    }
}

bool TypingReplay::reachesBack(std::span<const std::span<const CodePair>> tables) {
    std::vector<CodePair> all;
    for (const std::span<const CodePair> table : tables) {
        const std::vector<CodePair> pairs = pairsOf(table);
        all.insert(all.end(), pairs.begin(), pairs.end());
    }
    std::array<bool, 256> inCode{};
    for (const CodePair& p : all) {
        for (const char c : p.code) {
            inCode[static_cast<uint8_t>(c)] = true;
        }
    }
    return std::any_of(all.begin(), all.end(), [&inCode](const CodePair& p) {
        return p.replacement.empty() ||
               std::any_of(p.replacement.begin(), p.replacement.end(),
                           [&inCode](char c) { return inCode[static_cast<uint8_t>(c)]; });
    });
}

bool TypingReplay::haveLast(std::size_t n) {
    if (tail_.size() >= n || store_.size() == 0) {
        return true;
    }
    std::string back;
    if (!store_.takeBack(std::max(n - tail_.size(), keep_), back)) {
        return false;
    }
    tail_.insert(0, back);
    return true;
}

bool TypingReplay::runTable(const Table& table) {
    // Most keys end no code: then no pair can match until one has.
    if (!table.anyEnd && !tail_.empty() && !table.ends[static_cast<uint8_t>(tail_.back())]) {
        return true;
    }
    // As a key release does: each pair once, in order, against the text as
    // the pairs before it left it.
    for (const CodePair& p : table.pairs) {
        const std::size_t length = p.code.size();
        if (length > 0 && !tail_.empty() && p.code.back() != tail_.back()) {
            continue;
        }
        if (tail_.size() < length && store_.size() + tail_.size() < length) {
            continue;
        }
        if (!haveLast(length)) {
            return false;
        }
        if (!std::string_view(tail_).ends_with(p.code)) {
            continue;
        }
        tail_.resize(tail_.size() - length);
        tail_ += p.replacement;
    }
    return true;
}

bool TypingReplay::typeKey(std::string_view key) {
    // A key puts its character in as the document puts in text: a CR or an
    // LF on its own is a paragraph break too.
    if (key == "\r" || key == "\n") {
        key = "\r\n";
    }
    tail_.append(key);
    for (const Table& table : tables_) {
        if (!runTable(table)) {
            return false;
        }
    }
    if (tail_.size() > 64 * keep_) {
        const std::size_t out = tail_.size() - keep_;
        if (!store_.put(std::string_view(tail_).substr(0, out))) {
            return false;
        }
        tail_.erase(0, out);
    }
    return true;
}

bool TypingReplay::type(std::string_view text) {
    std::size_t i = 0;
    if (pendingCr_ && !text.empty()) {
        pendingCr_ = false;
        const bool pair = text[0] == '\n';
        if (!typeKey(pair ? "\r\n" : "\r")) {
            return false;
        }
        i = pair ? 1 : 0;
    }
    for (; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 == text.size()) {
                pendingCr_ = true;
                break;
            }
            if (text[i + 1] == '\n') {
                if (!typeKey(text.substr(i, 2))) {
                    return false;
                }
                ++i;
                continue;
            }
        }
        if (!typeKey(text.substr(i, 1))) {
            return false;
        }
    }
    return true;
}

bool TypingReplay::finish() {
    if (pendingCr_) {
        pendingCr_ = false;
        if (!typeKey("\r")) {
            return false;
        }
    }
    const bool ok = store_.put(tail_);
    tail_.clear();
    return ok;
}

}  // namespace sorvel
