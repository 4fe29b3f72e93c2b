#include "qt/PaliStandInFonts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPdfWriter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <cctype>
#include <optional>
#include <set>
#include <vector>

#include "common/Cp1252.h"
#include "pali/PaliCharMap.h"
#include "pali/PaliLetters.h"
#include "pali/PaliUnicode.h"
#include "qt/QtFormats.h"

namespace sorvel::testing {
namespace {

// Glyphs are compared as they are drawn without hinting: the stand-ins carry
// none, and hinting would move the base font's outlines.
constexpr qreal kPixelSize = 64;

QRawFont loadFont(const QString& path) {
    return QRawFont(path, kPixelSize, QFont::PreferNoHinting);
}

QString baseFile(const StandInStyle& style) {
    return QStringLiteral(SORVEL_PALI_BASE_FONT_DIR "/LiberationSerif-%1.ttf")
        .arg(QString::fromLatin1(style.suffix.data(), qsizetype(style.suffix.size())));
}

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The glyph a font draws for one character; 0 (the missing glyph) when none.
quint32 glyphOf(const QRawFont& font, char32_t ch) {
    const QString text = QString::fromUcs4(&ch, 1);
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    return glyphs.size() == 1 ? glyphs.first() : 0;
}

// What a font draws for a glyph: its image and its advance.
struct Drawing {
    QImage image;
    qreal advance = 0;
    bool operator==(const Drawing& other) const {
        return image == other.image && advance == other.advance;
    }
    friend void PrintTo(const Drawing& d, std::ostream* os) {
        *os << d.image.width() << "x" << d.image.height() << " pixels, advance " << d.advance;
    }
};

Drawing drawing(const QRawFont& font, quint32 glyph) {
    const QList<QPointF> advances = font.advancesForGlyphIndexes({glyph});
    return {font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing),
            advances.isEmpty() ? 0 : advances.first().x()};
}

// The stand-ins of one Pali font in one style: the file under Sorvel's own
// name and the resource under each legacy face name.
struct StandInCase {
    PaliFontKind kind;
    std::size_t style;
    friend void PrintTo(const StandInCase& c, std::ostream* os) {
        *os << paliFontName(c.kind) << " " << standInStyles()[c.style].name;
    }
};

struct StandInFile {
    QString family;
    QString path;
};

std::vector<StandInFile> filesOf(const StandInCase& c) {
    const StandInStyle& style = standInStyles()[c.style];
    const std::string_view family = standInFamily(c.kind);
    std::vector<StandInFile> files = {
        {latin(family), QStringLiteral(SORVEL_PALI_FONT_DIR "/") +
                            QString::fromStdString(standInFileName(family, style))}};
    for (const PaliFaceName& face : paliFaceNames()) {
        if (face.kind == c.kind) {
            files.push_back({latin(face.face), PaliStandInFonts::resourcePath(face.face, style)});
        }
    }
    return files;
}

std::vector<StandInCase> allCases() {
    std::vector<StandInCase> cases;
    for (const PaliFontKind kind : kPaliFonts) {
        for (std::size_t style = 0; style < standInStyles().size(); ++style) {
            cases.push_back({kind, style});
        }
    }
    return cases;
}

class StandInFont : public ::testing::TestWithParam<StandInCase> {
  protected:
    const StandInStyle& style() const { return standInStyles()[GetParam().style]; }
};

TEST_P(StandInFont, IsNamedForItsFaceAndStyle) {
    for (const StandInFile& f : filesOf(GetParam())) {
        SCOPED_TRACE(f.path.toStdString());
        const QRawFont font = loadFont(f.path);
        ASSERT_TRUE(font.isValid());
        EXPECT_EQ(font.familyName(), f.family);
        EXPECT_EQ(font.styleName(), latin(style().name));
        EXPECT_EQ(font.weight() >= QFont::Bold, style().bold);
        EXPECT_EQ(font.style() != QFont::StyleNormal, style().italic);
    }
}

// At every byte's Windows-1252 character the font draws what that byte is in
// its Pali font, exactly as the base font draws that character.
TEST_P(StandInFont, DrawsEveryByteAsThePaliFontHasIt) {
    const QRawFont base = loadFont(baseFile(style()));
    ASSERT_TRUE(base.isValid());
    const PaliCharMap& chars = PaliCharMap::of(GetParam().kind);
    for (const StandInFile& f : filesOf(GetParam())) {
        SCOPED_TRACE(f.path.toStdString());
        const QRawFont font = loadFont(f.path);
        ASSERT_TRUE(font.isValid());
        std::set<char32_t> letters;
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<uint8_t>(b);
            const char32_t shown = chars.toUnicode(byte);
            const quint32 expected = glyphOf(base, shown);
            if (expected == 0) {
                EXPECT_EQ(paliLetterOfUnicode(shown), 0) << "the base font lacks a letter";
                continue;
            }
            const quint32 glyph = glyphOf(font, Cp1252::toUnicode(byte));
            ASSERT_NE(glyph, 0u) << "byte " << b << " is not drawn";
            EXPECT_EQ(drawing(font, glyph), drawing(base, expected))
                << "byte " << b << " should show U+" << std::hex << uint32_t(shown);
            if (paliLetterOfUnicode(shown) != 0) {
                letters.insert(shown);
            }
        }
        // VriRomanPali and SKT_Times have one byte for both dotted m's.
        const PaliFontKind kind = GetParam().kind;
        const bool sharedM = fontCharacter(11, kind) == fontCharacter(13, kind);
        EXPECT_EQ(letters.size(), std::size_t(sharedM ? kPaliLetterCount - 1 : kPaliLetterCount));
    }
}

// Each letter is also at its own code point, unless that point is the code
// of another letter of the font (ñ's is ṭ's in Times_CSX+).
TEST_P(StandInFont, DrawsTheLettersAtTheirOwnCodePointsWhereThoseAreFree) {
    const QRawFont base = loadFont(baseFile(style()));
    const PaliCharMap& chars = PaliCharMap::of(GetParam().kind);
    for (const StandInFile& f : filesOf(GetParam())) {
        SCOPED_TRACE(f.path.toStdString());
        const QRawFont font = loadFont(f.path);
        for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
            const char32_t own = paliLetterUnicode(letter);
            const std::optional<uint8_t> byte = Cp1252::fromUnicode(own);
            const char32_t shown = byte ? chars.toUnicode(*byte) : own;
            const quint32 glyph = glyphOf(font, own);
            ASSERT_NE(glyph, 0u) << "letter " << letter;
            EXPECT_EQ(drawing(font, glyph), drawing(base, glyphOf(base, shown)))
                << "letter " << letter;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFonts, StandInFont, ::testing::ValuesIn(allCases()),
                         [](const auto& info) {
                             std::string name(paliFontName(info.param.kind));
                             name += "_";
                             name += standInStyles()[info.param.style].suffix;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// On this machine none of the legacy fonts is installed (the test of a real
// one standing in the way has a machine of its own): every face name is
// registered, in four styles, and a font asked for by the name is found.
TEST(PaliStandInFonts, RegistersEveryFaceNameWhereNoRealFontHasIt) {
    const QStringList before = QFontDatabase::families();
    QStringList faces;
    for (const PaliFaceName& face : paliFaceNames()) {
        if (PaliStandInFonts::holdsFamily(before, latin(face.face))) {
            GTEST_SKIP() << "a real " << face.face << " is installed on this machine";
        }
        faces << latin(face.face);
    }
    EXPECT_EQ(PaliStandInFonts::registerMissing(), faces);
    for (const QString& face : faces) {
        EXPECT_TRUE(PaliStandInFonts::holdsFamily(QFontDatabase::families(), face))
            << face.toStdString();
        EXPECT_EQ(QFontDatabase::styles(face),
                  QStringList({"Regular", "Bold", "Italic", "Bold Italic"}));
        QFont font(face, 12);
        font.setBold(true);
        EXPECT_EQ(QFontInfo(font).family(), face);
        EXPECT_TRUE(QFontInfo(font).bold());
    }
}

// Printing and PDF: text in a legacy face, printed where no real font of it
// is installed, embeds the stand-in registered under that face.
TEST(PaliStandInFonts, APdfOfTextInALegacyFaceEmbedsItsStandIn) {
    PaliStandInFonts::registerMissing();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refuge.pdf"));
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("VriRomanPali CN")});
    format.setFontPointSize(14);
    // "Buddha.m sara.na.m gacchaami" in VriRomanPali, then the same in bold.
    const QString refuge = QString::fromLatin1(
        "Buddha\xBD sara\xBA"
        "a\xBD gacch\xB1mi");
    cursor.insertText(refuge, format);
    format.setFontWeight(QFont::Bold);
    cursor.insertText(refuge, format);
    {
        QPdfWriter pdf(path);
        doc.print(&pdf);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // "/BaseFont /Name", or "/BaseFont /AAAAAA+Name" for a subset.
    const QRegularExpression font(QStringLiteral("/BaseFont\\s*/(?:[A-Z]{6}\\+)?([^\\s/]+)"));
    QStringList embedded;
    for (const auto& match : font.globalMatch(QString::fromLatin1(bytes))) {
        embedded << match.captured(1);
    }
    EXPECT_TRUE(embedded.contains(QStringLiteral("VriRomanPaliCN-Regular")))
        << embedded.join(u' ').toStdString();
    EXPECT_TRUE(embedded.contains(QStringLiteral("VriRomanPaliCN-Bold")))
        << embedded.join(u' ').toStdString();
}

// A document may name a Pali font by a face name the stand-ins are not
// registered under; its text is drawn with a face of the same font, and the
// document keeps the name it gave.
struct FallbackCase {
    const char* name;
    const char* face;
    QStringList families;
    friend void PrintTo(const FallbackCase& c, std::ostream* os) { *os << c.name; }
};

class PaliFallback : public ::testing::TestWithParam<FallbackCase> {};

TEST_P(PaliFallback, FollowsTheFaceWithAFaceOfItsPaliFont) {
    const FallbackCase& c = GetParam();
    EXPECT_EQ(PaliStandInFonts::familiesFor(c.face), c.families);

    PaliStandInFonts::registerMissing();
    FontDescription description;
    description.mask = charmask::Face;
    description.faceName = c.face;
    const QTextCharFormat format = QtFormats::charFormat(description);
    EXPECT_EQ(QtFormats::describe(format, QFont()).faceName, c.face) << "kept as named";
    if (c.families.size() > 1) {
        const QString drawn = QRawFont::fromFont(format.font()).familyName();
        EXPECT_EQ(drawn.compare(c.families.last(), Qt::CaseInsensitive), 0)
            << "drawn with " << drawn.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faces, PaliFallback,
    ::testing::Values(
        FallbackCase{"RegisteredFace", "VriRomanPali CB", {"VriRomanPali CB"}},
        FallbackCase{"OtherVriFace", "VriRomanPali CS", {"VriRomanPali CS", "VriRomanPali CN"}},
        FallbackCase{"CsxWithAStyle", "Times_CSX+ Bold", {"Times_CSX+ Bold", "Times_CSX+"}},
        FallbackCase{"SktInSmallLetters", "Skt Times", {"Skt Times", "SKT Times"}},
        FallbackCase{
            "LeedsBitVariant", "LeedsBit Pali 2", {"LeedsBit Pali 2", "LeedsBit PaliTranslit"}},
        FallbackCase{"NoPaliFont", "DejaVu Serif", {"DejaVu Serif"}},
        FallbackCase{"NotRecognisedInOtherCase", "vriromanpali cs", {"vriromanpali cs"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Holding {
    const char* name;
    QStringList installed;
    const char* face;
    bool held;
    friend void PrintTo(const Holding& h, std::ostream* os) { *os << h.name; }
};

class HoldsFamily : public ::testing::TestWithParam<Holding> {};

TEST_P(HoldsFamily, MatchesAsFontsAreMatched) {
    EXPECT_EQ(
        PaliStandInFonts::holdsFamily(GetParam().installed, QString::fromUtf8(GetParam().face)),
        GetParam().held);
}

INSTANTIATE_TEST_SUITE_P(
    Families, HoldsFamily,
    ::testing::Values(Holding{"Same", {"DejaVu Sans", "Times_CSX+"}, "Times_CSX+", true},
                      Holding{"OtherCase", {"VRIROMANPALI CN"}, "VriRomanPali CN", true},
                      Holding{"WithFoundry", {"SKT Times [Monotype]"}, "SKT Times", true},
                      Holding{"LongerName", {"VriRomanPali CN Bold"}, "VriRomanPali CN", false},
                      Holding{"ShorterName", {"VriRomanPali"}, "VriRomanPali CN", false},
                      Holding{"UnderscoreIsNoBlank", {"SKT Times"}, "SKT_Times", false},
                      Holding{"Nothing", {}, "Times_Norman", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel::testing
