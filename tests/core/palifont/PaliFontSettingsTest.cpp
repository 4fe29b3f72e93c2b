#include "palifont/PaliFontSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScriptedPlatform.h"
#include "support/TempDirectory.h"

namespace sorvel::testing {
namespace {

const std::string kComments =
    "Sorvel: This file contains the definition of your default Pali font.\r\n"
    "You can delete this file at any time.\r\n"
    "If this file does not exist, Sorvel simply creates it again.\r\n"
    "Deleting this file does not damage data files, Sorvel or your computer.\r\n";

FontDescription sampleFont() {
    FontDescription f;
    f.mask = 0xE800000F;
    f.effects = chareffect::Bold | chareffect::Underline;
    f.height = 280;
    f.offset = -60;
    f.color = 0x00FF0080;
    f.charSet = 2;
    f.pitchAndFamily = 0x12;
    f.faceName = "VriRomanPali CN";
    return f;
}

TEST(PaliFontSettings, WritesThirteenLinesExactly) {
    EXPECT_EQ(PaliFontSettings::format(sampleFont()),
              kComments +
                  "3892314127\r\n5\r\n280\r\n4294967236\r\n16711808\r\n2\r\n18\r\n"
                  "VriRomanPali CN\r\nSorvel: End of Pali Default Font Parameters");
}

TEST(PaliFontSettings, ReadsBackWhatItWrote) {
    const FontDescription f = sampleFont();
    EXPECT_EQ(PaliFontSettings::parse(PaliFontSettings::format(f)), f);
}

struct ParseCase {
    const char* name;
    std::string bytes;
    FontDescription expected;
    friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }
};

FontDescription fields(uint32_t mask, uint32_t effects, int32_t height, int32_t offset,
                       uint32_t color, uint8_t charSet, uint8_t pitch, std::string_view face) {
    FontDescription f;
    f.mask = mask;
    f.effects = effects;
    f.height = height;
    f.offset = offset;
    f.color = color;
    f.charSet = charSet;
    f.pitchAndFamily = pitch;
    f.faceName = face;
    return f;
}

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, ReadsEveryFieldAsTheCLibraryWould) {
    FontDescription base;
    base.faceName = "Previous";
    base.height = 999;
    EXPECT_EQ(PaliFontSettings::parse(GetParam().bytes, base), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Parse,
    ::testing::Values(
        ParseCase{"OnlyTheCommentLines", kComments, fields(0, 0, 0, 0, 0, 0, 0, "")},
        ParseCase{"EmptyFile", "", fields(0, 0, 0, 0, 0, 0, 0, "")},
        ParseCase{"StopsAfterTheHeight", kComments + "1\r\n2\r\n240",
                  fields(1, 2, 240, 0, 0, 0, 0, "")},
        ParseCase{"CommentLinesAreNotCompared",
                  "x\ny\nz\nw\n536870912\n0\n200\n0\n0\n0\n0\nArial\n",
                  fields(0x20000000, 0, 200, 0, 0, 0, 0, "Arial")},
        ParseCase{"GarbledNumbersReadAsZero",
                  kComments + "abc\r\n  12abc\r\n-\r\n+7\r\n\r\nx\r\n\r\nTimes_CSX+\r\n",
                  fields(0, 12, 0, 7, 0, 0, 0, "Times_CSX+")},
        ParseCase{"NegativeOffsetInItsUnsignedForm", kComments + "0\r\n0\r\n0\r\n4294967236\r\n",
                  fields(0, 0, 0, -60, 0, 0, 0, "")},
        ParseCase{"NegativeOffsetWrittenWithASign", kComments + "0\r\n0\r\n0\r\n-60\r\n",
                  fields(0, 0, 0, -60, 0, 0, 0, "")},
        ParseCase{"NumbersWrapModulo2To32", kComments + "4294967297\r\n-1\r\n",
                  fields(1, 0xFFFFFFFF, 0, 0, 0, 0, 0, "")},
        ParseCase{"ByteFieldsKeepTheLowEightBits",
                  kComments + "0\r\n0\r\n0\r\n0\r\n0\r\n300\r\n-2\r\n",
                  fields(0, 0, 0, 0, 0, 44, 254, "")},
        ParseCase{"FaceIsNotTrimmed", kComments + "0\n0\n0\n0\n0\n0\n0\n  Arial \t\n",
                  fields(0, 0, 0, 0, 0, 0, 0, "  Arial \t")},
        ParseCase{"LongFaceIsCutTo31",
                  kComments + "0\n0\n0\n0\n0\n0\n0\nA Font Name Of Forty Characters In Total\n",
                  fields(0, 0, 0, 0, 0, 0, 0, "A Font Name Of Forty Characters")},
        ParseCase{"BareLineFeeds", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\nSKT Times\nend",
                  fields(5, 6, 7, 8, 9, 10, 11, "SKT Times")},
        ParseCase{"FaceLineWithoutLineEnd", kComments + "0\n0\n0\n0\n0\n0\n0\nTimes_Norman",
                  fields(0, 0, 0, 0, 0, 0, 0, "Times_Norman")}),
    [](const auto& info) { return std::string(info.param.name); });

class SettingsFile : public ::testing::Test {
  protected:
    TempDirectory dir;
    TransliterationState state;
};

TEST_F(SettingsFile, MissingFileReadsAsNotThereAndChangesNothing) {
    state.defaultPaliFormat = sampleFont();
    EXPECT_FALSE(loadDefaultPaliFont(state));
    EXPECT_EQ(state.defaultPaliFormat, sampleFont());
}

TEST_F(SettingsFile, FolderInItsPlaceReadsAsNotThere) {
    std::filesystem::create_directory(dir.path() / "Sorvel Default Pali Font.txt");
    EXPECT_FALSE(loadDefaultPaliFont(state));
}

TEST_F(SettingsFile, SavedFileLoadsBackInTheWorkingDirectory) {
    ScriptedPlatform platform;
    state.defaultPaliFormat = sampleFont();
    saveDefaultPaliFont(platform, state);
    EXPECT_EQ(dir.read("Sorvel Default Pali Font.txt"), PaliFontSettings::format(sampleFont()));
    TransliterationState fresh;
    EXPECT_TRUE(loadDefaultPaliFont(fresh));
    EXPECT_EQ(fresh.defaultPaliFormat, sampleFont());
}

TEST_F(SettingsFile, ShortFileStillCountsAsRead) {
    dir.write("Sorvel Default Pali Font.txt", kComments);
    state.defaultPaliFormat = sampleFont();
    EXPECT_TRUE(loadDefaultPaliFont(state));
    EXPECT_TRUE(state.defaultPaliFormat.faceName.empty());
    EXPECT_EQ(state.defaultPaliFormat.mask, 0u);
    EXPECT_EQ(state.defaultPaliFormat.height, 0);
}

// The file lives in the settings folder (made when missing), whatever the
// working directory; one left in the working directory by an earlier version
// is taken over once.
TEST_F(SettingsFile, LivesInTheSettingsFolderAndTakesOverTheWorkingDirectorysOnce) {
    const std::filesystem::path folder = dir.path() / "config" / "Sorvel - Halvard";
    state.settingsFolder = folder.string();
    FontDescription old = sampleFont();
    old.faceName = "Times_Norman";
    dir.write("Sorvel Default Pali Font.txt", PaliFontSettings::format(old));
    EXPECT_TRUE(loadDefaultPaliFont(state));
    EXPECT_EQ(state.defaultPaliFormat, old);
    EXPECT_EQ(dir.read("config/Sorvel - Halvard/Sorvel Default Pali Font.txt"),
              PaliFontSettings::format(old));

    ScriptedPlatform platform;
    state.defaultPaliFormat = sampleFont();
    saveDefaultPaliFont(platform, state);
    EXPECT_EQ(dir.read("config/Sorvel - Halvard/Sorvel Default Pali Font.txt"),
              PaliFontSettings::format(sampleFont()));
    EXPECT_EQ(dir.read("Sorvel Default Pali Font.txt"), PaliFontSettings::format(old))
        << "the old file is left alone";
    TransliterationState fresh;
    fresh.settingsFolder = state.settingsFolder;
    EXPECT_TRUE(loadDefaultPaliFont(fresh));
    EXPECT_EQ(fresh.defaultPaliFormat, sampleFont()) << "taken over once: the folder's file wins";

    TransliterationState elsewhere;
    elsewhere.settingsFolder = (dir.path() / "new" / "folder").string();
    elsewhere.defaultPaliFormat = sampleFont();
    saveDefaultPaliFont(platform, elsewhere);
    EXPECT_EQ(dir.read("new/folder/Sorvel Default Pali Font.txt"),
              PaliFontSettings::format(sampleFont()));
}

TEST_F(SettingsFile, AFailedWriteNamesTheFileWithItsFolder) {
    state.settingsFolder = (dir.path() / "cfg").string();
    std::filesystem::create_directories(dir.path() / "cfg" / "Sorvel Default Pali Font.txt" / "x");
    ScriptedPlatform platform;
    platform.expectMessage(
        settingsOpenFailureMessage((dir.path() / "cfg" / "Sorvel Default Pali Font.txt").string()));
    saveDefaultPaliFont(platform, state);
    EXPECT_NE(platform.messages().front().find("/cfg/Sorvel Default Pali Font.txt\n"),
              std::string::npos);
}

TEST_F(SettingsFile, FailedWriteShowsTheMessageAndKeepsWhatWasThere) {
    // A folder with content where the file should be cannot be replaced.
    std::filesystem::create_directories(dir.path() / "Sorvel Default Pali Font.txt" / "x");
    ScriptedPlatform platform;
    platform.expectMessage(
        "Unable to open file:\n\nSorvel Default Pali Font.txt\n\nMake certain that the file is "
        "not opened and in use in some program (such as your word processor).\n\nIf the file is "
        "open in another program, it may be 'locked'.");
    state.defaultPaliFormat = sampleFont();
    saveDefaultPaliFont(platform, state);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Sorvel Default Pali Font.txt" / "x"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

}  // namespace
}  // namespace sorvel::testing
