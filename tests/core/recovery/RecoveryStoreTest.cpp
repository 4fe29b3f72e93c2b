#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "common/TextFiles.h"
#include "docformat/DocumentFile.h"
#include "recovery/RecoveryStore.h"
#include "support/TempDir.h"

namespace sorvel {
namespace {

namespace fs = std::filesystem;

RichText textOf(std::string_view characters) {
    FontDescription face = RichText::standardFormat();
    face.faceName = "VriRomanPali CN";
    RichText text;
    text.append(characters, face);
    return text;
}

std::string documentBytes(const RichText& text) {
    return DocumentFile::toBytes(text, DocumentFile::Format::Compound).value();
}

RecoveryInfo infoOf(std::string path, std::string title, std::int64_t at) {
    RecoveryInfo info;
    info.path = std::move(path);
    info.title = std::move(title);
    info.writtenAt = at;
    return info;
}

class Recovery : public ::testing::Test {
  protected:
    std::string root() const { return dir.file("recovery"); }
    // A program that runs: its store, open.
    std::unique_ptr<RecoveryStore> running() {
        auto store = std::make_unique<RecoveryStore>(root());
        EXPECT_TRUE(store->open());
        return store;
    }
    // A program that wrote these copies and then died.
    void crashedWith(const std::vector<std::pair<RecoveryInfo, RichText>>& copies) {
        std::unique_ptr<RecoveryStore> store = running();
        int n = 0;
        for (const auto& [info, text] : copies) {
            ASSERT_TRUE(store->writeCopy("doc-" + std::to_string(++n), documentBytes(text), info));
        }
        lastFolder = store->folder();
    }

    testing::TempDir dir;
    std::string lastFolder;
};

TEST_F(Recovery, CopiesLeftByAProgramThatDiedAreFoundAndRestoredWhole) {
    RecoveryInfo saved = infoOf("/home/u/story.rtf", "story.rtf", 1700000000);
    saved.stamp = FileStamp{1, 2, 3, 4};
    // Names with every character the info file must escape.
    const RecoveryInfo odd = infoOf("/home/u/a\\b\nc.rtf", "a\\b\nc.rtf", 1700000001);
    const RecoveryInfo fresh = infoOf("", "RuvoVIR2", 1700000002);
    const RichText pali = textOf(
        "Buddha\xbd sara\xba"
        "a\xbd\r\ngacch\xb1mi");
    crashedWith({{fresh, textOf("new text")}, {saved, pali}, {odd, textOf("odd")}});

    auto next = running();
    RecoveryClaim claim = next->claimAbandoned();
    EXPECT_TRUE(claim.damaged().empty());
    ASSERT_EQ(claim.copies().size(), 3u);
    // Oldest first.
    EXPECT_EQ(claim.copies()[0].info, saved);
    EXPECT_EQ(claim.copies()[1].info, odd);
    EXPECT_EQ(claim.copies()[2].info, fresh);
    const std::optional<RichText> restored = RecoveryClaim::read(claim.copies()[0]);
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(restored->text(), pali.text());
    EXPECT_EQ(restored->formatAt(0).faceName, pali.formatAt(0).faceName);
    EXPECT_EQ(RecoveryClaim::read(claim.copies()[2])->text(), "new text");

    claim.discard();
    EXPECT_FALSE(fs::exists(lastFolder));
    EXPECT_TRUE(next->claimAbandoned().empty()) << "taken once only";
}

TEST_F(Recovery, TheCopiesOfAProgramStillRunningAreNotTaken) {
    auto first = running();
    ASSERT_TRUE(
        first->writeCopy("doc-1", documentBytes(textOf("mine")), infoOf("", "RuvoVIR1", 1)));
    auto second = running();
    EXPECT_NE(second->folder(), first->folder());
    EXPECT_TRUE(second->claimAbandoned().empty());
    EXPECT_TRUE(fs::exists(first->folder() + "/doc-1.rtf"));

    // Nor those another program has just claimed.
    first.reset();
    RecoveryClaim claimed = second->claimAbandoned();
    ASSERT_EQ(claimed.copies().size(), 1u);
    auto third = running();
    EXPECT_TRUE(third->claimAbandoned().empty());
}

TEST_F(Recovery, ANormalEndRemovesTheCopiesAndTheFolder) {
    auto store = running();
    const std::string folder = store->folder();
    ASSERT_TRUE(store->writeCopy("doc-1", documentBytes(textOf("a")), infoOf("", "RuvoVIR1", 1)));
    ASSERT_TRUE(store->writeCopy("doc-2", documentBytes(textOf("b")), infoOf("", "RuvoVIR2", 2)));
    store->removeCopy("doc-1");
    EXPECT_FALSE(fs::exists(folder + "/doc-1.rtf"));
    EXPECT_TRUE(fs::exists(folder + "/doc-2.rtf"));
    store->endNormally();
    EXPECT_FALSE(fs::exists(folder));
    store.reset();
    EXPECT_TRUE(running()->claimAbandoned().empty());
}

TEST_F(Recovery, AnotherCopyOfTheSameDocumentReplacesTheFirst) {
    auto store = running();
    ASSERT_TRUE(store->writeCopy("doc-1", documentBytes(textOf("first")), infoOf("", "R", 1)));
    ASSERT_TRUE(store->writeCopy("doc-1", documentBytes(textOf("second")), infoOf("", "R", 2)));
    const std::string folder = store->folder();
    store.reset();
    RecoveryClaim claim = running()->claimAbandoned();
    ASSERT_EQ(claim.copies().size(), 1u);
    EXPECT_EQ(claim.copies()[0].info.writtenAt, 2);
    EXPECT_EQ(RecoveryClaim::read(claim.copies()[0])->text(), "second");
}

struct DamageCase {
    const char* name;
    const char* info;      // what the info file holds; null: no info file
    const char* document;  // what the document file holds; null: none
    bool foundAsCopy;      // listed as a copy, found damaged only when read
    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }
};

class DamagedCopy : public Recovery, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedCopy, IsKeptAsideAndNamedAndTheOthersAreStillRestored) {
    const DamageCase& c = GetParam();
    crashedWith({{infoOf("", "RuvoVIR1", 1), textOf("whole")}});
    const std::string base = lastFolder + "/doc-9";
    if (c.info) {
        std::ofstream(base + ".info", std::ios::binary) << c.info;
    }
    if (c.document) {
        std::ofstream(base + ".rtf", std::ios::binary) << c.document;
    }

    auto next = running();
    RecoveryClaim claim = next->claimAbandoned();
    ASSERT_EQ(claim.copies().size(), c.foundAsCopy ? 2u : 1u);
    for (const RecoveryCopy& copy : std::vector<RecoveryCopy>(claim.copies())) {
        if (!RecoveryClaim::read(copy)) {
            claim.setAside(copy);
        }
    }
    ASSERT_EQ(claim.copies().size(), 1u);
    EXPECT_EQ(RecoveryClaim::read(claim.copies()[0])->text(), "whole");
    ASSERT_EQ(claim.damaged().size(), 1u);
    const std::string& named = claim.damaged()[0];
    EXPECT_NE(named.find(next->damagedFolder()), std::string::npos) << named;

    claim.discard();
    // Kept, byte for byte, where the message says.
    const std::string keptFile = next->damagedFolder() + "/" +
                                 fs::path(lastFolder).filename().string() + "-doc-9" +
                                 (c.document ? ".rtf" : ".info");
    ASSERT_TRUE(fs::exists(keptFile)) << named;
    EXPECT_EQ(readWholeFile(keptFile), std::string(c.document ? c.document : c.info));
    EXPECT_FALSE(fs::exists(lastFolder));
}

constexpr const char* kGoodInfo = "Sorvel recovery copy\npath \ntitle RuvoVIR9\nwritten 5\n";

INSTANTIATE_TEST_SUITE_P(Damage, DamagedCopy,
                         ::testing::Values(
                             // A compound file cut short.
                             DamageCase{"DocumentThatIsNoDocument", kGoodInfo,
                                        "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"
                                        "cut",
                                        true},
                             DamageCase{"DocumentWithoutInfo", nullptr, "{\\rtf1 fine}", false},
                             DamageCase{"InfoWithoutDocument", kGoodInfo, nullptr, false},
                             DamageCase{"InfoCutShort", "Sorvel recovery copy\npath \ntitle Ruvo",
                                        "{\\rtf1 x}", false},
                             DamageCase{"InfoOfSomethingElse", "garbage\n", "{\\rtf1 x}", false},
                             DamageCase{"InfoWithoutTime", "Sorvel recovery copy\npath \ntitle R\n",
                                        "{\\rtf1 x}", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Recovery, AStoreThatCannotMakeItsFolderSaysWhy) {
    std::ofstream(dir.file("file")) << "not a folder";
    RecoveryStore store(dir.file("file") + "/recovery");
    std::string error;
    EXPECT_FALSE(store.open(&error));
    EXPECT_NE(error.find("cannot make the folder"), std::string::npos) << error;
    EXPECT_FALSE(store.writeCopy("doc-1", "x", infoOf("", "R", 1)));
}

}  // namespace
}  // namespace sorvel
