#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorvel {

// Mask bits of a Font description: which fields are valid (when read) or are to
// be applied (when set).
namespace charmask {
inline constexpr uint32_t Bold = 0x00000001;
inline constexpr uint32_t Italic = 0x00000002;
inline constexpr uint32_t Underline = 0x00000004;
inline constexpr uint32_t StrikeOut = 0x00000008;
inline constexpr uint32_t CharSet = 0x08000000;
inline constexpr uint32_t Offset = 0x10000000;
inline constexpr uint32_t Face = 0x20000000;
inline constexpr uint32_t Color = 0x40000000;
inline constexpr uint32_t Size = 0x80000000;
inline constexpr uint32_t Effects = Bold | Italic | Underline | StrikeOut;
inline constexpr uint32_t All = Effects | CharSet | Offset | Face | Color | Size;
}  // namespace charmask

// Effect bits of a Font description.
namespace chareffect {
inline constexpr uint32_t Bold = 0x1;
inline constexpr uint32_t Italic = 0x2;
inline constexpr uint32_t Underline = 0x4;
inline constexpr uint32_t StrikeOut = 0x8;
inline constexpr uint32_t AutoColor = 0x40000000;
}  // namespace chareffect

// A font face name as the character format carries it: at most 31 characters.
// Longer names are cut, so that no caller can store more than the record holds.
class FaceName {
  public:
    static constexpr std::size_t kMaxLength = 31;

    FaceName() { chars_.fill('\0'); }
    FaceName(std::string_view name) { assign(name); }  // NOLINT: implicit by design
    FaceName(const char* name) : FaceName(std::string_view(name)) {}
    FaceName(const std::string& name) : FaceName(std::string_view(name)) {}

    void assign(std::string_view name) {
        chars_.fill('\0');
        const std::size_t n = name.size() < kMaxLength ? name.size() : kMaxLength;
        name.copy(chars_.data(), n);
        length_ = static_cast<uint8_t>(n);
    }
    std::string_view view() const { return {chars_.data(), length_}; }
    std::string str() const { return std::string(view()); }
    bool empty() const { return length_ == 0; }
    std::size_t size() const { return length_; }
    operator std::string_view() const { return view(); }  // NOLINT: implicit by design

    friend bool operator==(const FaceName& a, const FaceName& b) { return a.view() == b.view(); }
    friend bool operator==(const FaceName& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FaceName& a, const char* b) { return a.view() == b; }

  private:
    std::array<char, kMaxLength + 1> chars_{};
    uint8_t length_ = 0;
};

// The character-format record that the rich-edit surface and the font dialog
// exchange. Lengths are in twips; colour is 0x00BBGGRR.
struct FontDescription {
    uint32_t mask = 0;
    uint32_t effects = 0;
    int32_t height = 0;
    int32_t offset = 0;
    uint32_t color = 0;
    uint8_t charSet = 0;
    uint8_t pitchAndFamily = 0;
    FaceName faceName;

    bool has(uint32_t maskBits) const { return (mask & maskBits) == maskBits; }

    // Copies the fields that `delta`'s mask names into this description and
    // sets those mask bits. Face carries the pitch-and-family byte with it, and
    // colour carries the automatic-colour effect.
    void merge(const FontDescription& delta);

    // The mask bits of the properties in which this description and `other`
    // differ; a selection over both reports these as mixed.
    uint32_t differingMask(const FontDescription& other) const;

    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

}  // namespace sorvel
