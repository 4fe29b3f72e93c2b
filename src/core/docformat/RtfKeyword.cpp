#include "docformat/RtfKeyword.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace sorvel {

namespace {

using K = RtfKeyword;

std::unordered_map<std::string_view, RtfKeyword> names() {
    std::unordered_map<std::string_view, RtfKeyword> m = {
        {"rtf", K::Rtf},
        {"ansi", K::Ansi},
        {"mac", K::Mac},
        {"pc", K::Pc},
        {"pca", K::Pca},
        {"ansicpg", K::AnsiCpg},
        {"deff", K::Deff},
        {"uc", K::Uc},
        {"u", K::U},
        {"fonttbl", K::FontTable},
        {"colortbl", K::ColorTable},
        {"listtable", K::ListTable},
        {"listoverridetable", K::ListOverrideTable},
        {"pn", K::Pn},
        {"f", K::F},
        {"fcharset", K::FCharSet},
        {"fprq", K::FPrq},
        {"cpg", K::Cpg},
        {"fnil", K::Family},
        {"froman", K::Family},
        {"fswiss", K::Family},
        {"fmodern", K::Family},
        {"fscript", K::Family},
        {"fdecor", K::Family},
        {"ftech", K::Family},
        {"fbidi", K::Family},
        {"sorvelpitchfamily", K::SorvelPitchFamily},
        {"red", K::Red},
        {"green", K::Green},
        {"blue", K::Blue},
        {"list", K::List},
        {"listlevel", K::ListLevel},
        {"levelnfc", K::LevelNfc},
        {"levelnfcn", K::LevelNfc},
        {"listid", K::ListId},
        {"listoverride", K::ListOverride},
        {"ls", K::Ls},
        {"ilvl", K::Ilvl},
        {"pnlvlblt", K::PnLevelBullet},
        {"pnlvlbody", K::PnLevelNumber},
        {"pnlvlcont", K::PnLevelContinue},
        {"pnlvl", K::PnLevelNumber},
        {"pard", K::Pard},
        {"ql", K::Ql},
        {"qc", K::Qc},
        {"qr", K::Qr},
        {"qj", K::Qj},
        {"qd", K::Qj},
        {"li", K::Li},
        {"fi", K::Fi},
        {"par", K::Par},
        {"line", K::Line},
        {"page", K::Page},
        {"cell", K::Cell},
        {"nestcell", K::Cell},
        {"row", K::Row},
        {"nestrow", K::NestRow},
        {"intbl", K::InTable},
        {"itap", K::TableDepth},
        {"sb", K::Spacing},
        {"sa", K::Spacing},
        {"sl", K::Spacing},
        {"ri", K::RightIndent},
        {"pagebb", K::PageBreakBefore},
        {"cols", K::Columns},
        {"shading", K::ParaBorder},
        {"footnote", K::Footnote},
        {"ftnalt", K::FtnAlt},
        {"pict", K::Picture},
        {"shppict", K::Picture},
        {"object", K::Object},
        {"shp", K::Drawing},
        {"shpgrp", K::Drawing},
        {"do", K::Drawing},
        {"fldinst", K::FieldInstruction},
        {"annotation", K::Annotation},
        {"bkmkstart", K::BookmarkStart},
        {"scaps", K::SmallCaps},
        {"caps", K::Caps},
        {"highlight", K::Highlight},
        {"cb", K::Highlight},
        {"chcbpat", K::Highlight},
        {"outl", K::CharEffect},
        {"shad", K::CharEffect},
        {"embo", K::CharEffect},
        {"impr", K::CharEffect},
        {"expnd", K::CharSpacing},
        {"expndtw", K::CharSpacing},
        {"charscalex", K::CharScale},
        {"plain", K::Plain},
        {"fs", K::Fs},
        {"b", K::B},
        {"i", K::I},
        {"ul", K::Ul},
        {"ulnone", K::UlNone},
        {"strike", K::Strike},
        {"striked", K::Strike},
        {"cf", K::Cf},
        {"up", K::Up},
        {"dn", K::Dn},
        {"super", K::Super},
        {"sub", K::Sub},
        {"nosupersub", K::NoSuperSub},
        {"v", K::Hidden},
        {"sorvelheight", K::SorvelHeight},
        {"sorveloffset", K::SorvelOffset},
        {"tab", K::Tab},
        {"emdash", K::EmDash},
        {"endash", K::EnDash},
        {"emspace", K::Space},
        {"enspace", K::Space},
        {"qmspace", K::Space},
        {"bullet", K::Bullet},
        {"lquote", K::LQuote},
        {"rquote", K::RQuote},
        {"ldblquote", K::LDblQuote},
        {"rdblquote", K::RDblQuote},
    };
    // Every kind of underline is an underline, but only the plain one is kept as it is.
    for (const char* name :
         {"uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
          "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
        m.emplace(name, K::UlStyle);
    }
    for (const char* name : {"header", "headerl", "headerr", "headerf"}) {
        m.emplace(name, K::Header);
    }
    for (const char* name : {"footer", "footerl", "footerr", "footerf"}) {
        m.emplace(name, K::Footer);
    }
    for (const char* name : {"tx", "tb", "tqr", "tqc", "tqdec"}) {
        m.emplace(name, K::TabStop);
    }
    for (const char* name : {"brdrt", "brdrb", "brdrl", "brdrr", "brdrbtw", "brdrbar", "box"}) {
        m.emplace(name, K::ParaBorder);
    }
    // Destinations whose content is never text of the document.
    for (const char* name : {"info",
                             "stylesheet",
                             "pntext",
                             "listtext",
                             "pntxta",
                             "pntxtb",
                             "leveltext",
                             "levelnumbers",
                             "listname",
                             "listpicture",
                             "xe",
                             "tc",
                             "txe",
                             "rxe",
                             "atnauthor",
                             "atnid",
                             "atndate",
                             "atnicn",
                             "atnref",
                             "atntime",
                             "atrfend",
                             "atrfstart",
                             "author",
                             "bkmkend",
                             "buptim",
                             "comment",
                             "company",
                             "creatim",
                             "doccomm",
                             "docvar",
                             "falt",
                             "fchars",
                             "file",
                             "filetbl",
                             "fname",
                             "fontemb",
                             "fontfile",
                             "ftncn",
                             "ftnsep",
                             "ftnsepc",
                             "aftncn",
                             "aftnsep",
                             "aftnsepc",
                             "hlinkbase",
                             "keywords",
                             "lchars",
                             "nextfile",
                             "nonshppict",
                             "objalias",
                             "objclass",
                             "objdata",
                             "objname",
                             "objsect",
                             "objtime",
                             "operator",
                             "panose",
                             "printim",
                             "private",
                             "revtbl",
                             "revtim",
                             "rsidtbl",
                             "subject",
                             "template",
                             "title",
                             "userprops",
                             "xmlnstbl",
                             "shpinst",
                             "shptxt",
                             "shprslt",
                             "sp",
                             "sn",
                             "sv",
                             "themedata",
                             "colorschememapping",
                             "latentstyles",
                             "datastore",
                             "generator",
                             "pgdsctbl",
                             "mmathPr",
                             "wgrffmtfilter",
                             "passwordhash",
                             "protusertbl",
                             "result",
                             "category",
                             "manager",
                             "hlinkbase",
                             "htmltag",
                             "mhtmltag",
                             "pnseclvl",
                             "background",
                             "ud"}) {
        m.emplace(name, K::SkippedDestination);
    }
    return m;
}

// The names in an open-addressed table with a short hash: the reader looks up
// every control word of a document, and a general-purpose map spent much of
// its time hashing them.
struct Slot {
    std::string_view name;
    RtfKeyword keyword = K::Unknown;
};
constexpr std::size_t kSlots = 1024;  // a power of two, at least twice the names

std::size_t slotOf(std::string_view name) {
    uint32_t h = 2166136261u;
    for (const char c : name) {
        h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    return (h ^ (h >> 15)) & (kSlots - 1);
}

const std::array<Slot, kSlots>& table() {
    static const std::array<Slot, kSlots> slots = [] {
        std::array<Slot, kSlots> t{};
        for (const auto& [name, keyword] : names()) {
            std::size_t i = slotOf(name);
            while (!t[i].name.empty()) {
                i = (i + 1) & (kSlots - 1);
            }
            t[i] = {name, keyword};
        }
        return t;
    }();
    return slots;
}

}  // namespace

RtfKeyword rtfKeyword(std::string_view name) {
    const std::array<Slot, kSlots>& t = table();
    for (std::size_t i = slotOf(name);; i = (i + 1) & (kSlots - 1)) {
        if (t[i].name.empty()) {
            return K::Unknown;
        }
        if (t[i].name == name) {
            return t[i].keyword;
        }
    }
}

}  // namespace sorvel
