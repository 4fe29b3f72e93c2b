// A machine where a real font of a legacy Pali face name is installed: the
// program registers nothing of its own under that name, and the name draws
// with the real font. The machine is made for this test alone: a fontconfig
// configuration of its own that adds, to the system's fonts, a folder with a
// font named "VriRomanPali CN" whose glyphs are not the stand-in's.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <QTemporaryDir>

#include "qt/PaliStandInFonts.h"

namespace sorvel::testing {
namespace {

const QString kInstalled = QStringLiteral("VriRomanPali CN");

// The path of the glyph that a font asked for by family draws for "±",
// the byte of long a in VriRomanPali.
QPainterPath plusMinusIn(const QString& family) {
    QFont font(family);
    font.setPixelSize(200);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QRawFont raw = QRawFont::fromFont(font);
    const QList<quint32> glyphs = raw.glyphIndexesForString(QStringLiteral("\u00B1"));
    return glyphs.size() == 1 ? raw.pathForGlyph(glyphs.first()) : QPainterPath();
}

TEST(PaliFontShadow, ARealFontOfAFaceNameIsUsedAndNothingIsRegisteredUnderIt) {
    ASSERT_TRUE(PaliStandInFonts::holdsFamily(QFontDatabase::families(), kInstalled))
        << "the test's font is not installed";
    const QStringList registered = PaliStandInFonts::registerMissing();
    EXPECT_FALSE(registered.contains(kInstalled)) << registered.join(u',').toStdString();
    EXPECT_TRUE(registered.contains(QStringLiteral("VriRomanPali CB")));
    EXPECT_EQ(registered.size(), int(paliFaceNames().size()) - 1);

    const QRawFont installed(QStringLiteral(SORVEL_SHADOW_FONT), 200, QFont::PreferNoHinting);
    const QList<quint32> glyphs = installed.glyphIndexesForString(QStringLiteral("\u00B1"));
    ASSERT_EQ(glyphs.size(), 1);
    const QPainterPath real = installed.pathForGlyph(glyphs.first());
    EXPECT_EQ(QFontInfo(QFont(kInstalled)).family(), kInstalled);
    EXPECT_EQ(plusMinusIn(kInstalled), real) << "drawn with the installed font";
    EXPECT_NE(plusMinusIn(QStringLiteral("VriRomanPali CB")), real)
        << "the other face name draws the stand-in's long a";
}

}  // namespace
}  // namespace sorvel::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir home;
    if (!home.isValid() || !QFile::copy(QStringLiteral(SORVEL_SHADOW_FONT),
                                        home.filePath(QStringLiteral("VriRomanPaliCN.ttf")))) {
        return 1;
    }
    QFile conf(home.filePath(QStringLiteral("fonts.conf")));
    if (!conf.open(QIODevice::WriteOnly)) {
        return 1;
    }
    conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n"
                              "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                              "<fontconfig>\n"
                              "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                              "  <dir>%1</dir>\n"
                              "  <cachedir>%1/cache</cachedir>\n"
                              "</fontconfig>\n")
                   .arg(home.path())
                   .toUtf8());
    conf.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(conf.fileName()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
