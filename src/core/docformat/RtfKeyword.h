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
    // destinations
    FontTable,
    ColorTable,
    ListTable,
    ListOverrideTable,
    Pn,
    SkippedDestination,  // \info, \stylesheet, \pntext ... (never text of the document)
    // destinations whose content the document cannot keep: counted, then skipped
    Footnote,  // not skipped at once: an \ftnalt inside makes it an endnote
    FtnAlt,
    Picture,
    Object,
    Drawing,
    FieldInstruction,
    Header,
    Footer,
    Annotation,
    BookmarkStart,
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
    PnLevelNumber,
    PnLevelContinue,
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
    NestRow,
    InTable,
    TableDepth,
    // paragraph formats the document has no place for
    Spacing,
    TabStop,
    RightIndent,
    ParaBorder,
    PageBreakBefore,
    Columns,
    // character
    Plain,
    Fs,
    B,
    I,
    Ul,
    UlStyle,
    UlNone,
    Strike,
    Cf,
    Up,
    Dn,
    Super,
    Sub,
    NoSuperSub,
    Hidden,
    // character formats the document has no place for
    SmallCaps,
    Caps,
    Highlight,
    CharEffect,
    CharSpacing,
    CharScale,
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
