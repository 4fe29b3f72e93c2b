#pragma once

#include <optional>
#include <string>

#include "text/RichText.h"

namespace sorvel {

// A clipboard held in memory, shared by the surfaces that are given it. It
// offers rich text, plain text, or both.
class MemoryClipboard {
  public:
    void setRich(const RichText& rich, std::string plain) {
        rich_ = rich;
        plain_ = std::move(plain);
    }
    void setPlain(std::string plain) {
        rich_.reset();
        plain_ = std::move(plain);
    }
    void clear() {
        rich_.reset();
        plain_.reset();
    }
    const std::optional<RichText>& rich() const { return rich_; }
    const std::optional<std::string>& plain() const { return plain_; }

  private:
    std::optional<RichText> rich_;
    std::optional<std::string> plain_;
};

}  // namespace sorvel
