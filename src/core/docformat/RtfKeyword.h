#pragma once

#include <cstdint>
#include <string_view>

namespace sorvel {

// The RTF control words that the reader acts on. Every other control word is
// ignored, as RTF asks of a reader.
enum class RtfKeyword : uint8_t {
    Unknown,
    // document
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    Uc,
    U,
    Bin,
    // destinations
    FontTable,
    ColorTable,
    ListTable,
    ListOverrideTable,
    Pn,
    SkippedDestination,  // \info, \stylesheet, \pict, \fldinst, \pntext ... (never text of the
                         // document)
    // font table
    F,
    FCharSet,
    FPrq,
    Cpg,
    Family,  // \fnil, \froman, ...; the name tells which
    SorvelPitchFamily,
    // colour table
    Red,
    Green,
    Blue,
    // lists
    List,
    ListLevel,
    LevelNfc,
    ListId,
    ListOverride,
    Ls,
    Ilvl,
    PnLevelBullet,
    PnLevelOther,
    // paragraph
    Pard,
    Ql,
    Qc,
    Qr,
    Qj,
    Li,
    Fi,
    Par,
    Line,
    Page,
    Cell,
    Row,
    // character
    Plain,
    Fs,
    B,
    I,
    Ul,
    UlNone,
    Strike,
    Cf,
    Up,
    Dn,
    Super,
    Sub,
    NoSuperSub,
    Hidden,
    SorvelHeight,
    SorvelOffset,
    // special characters
    Tab,
    EmDash,
    EnDash,
    Space,  // \emspace, \enspace, \qmspace
    Bullet,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
};

// The keyword of a control word's name (without the backslash).
RtfKeyword rtfKeyword(std::string_view name);

}  // namespace sorvel
