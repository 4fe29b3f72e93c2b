// RTF files in the shapes other programs write, each beside a .expect file
// that says what must come out of it:
//
//   text: PARAGRAPH                one line per paragraph; \t, \\ and \xHH escapes
//   content: ITEM                  the report's content items, in order
//   formatting: ITEM               the report's formatting items, in order
//   face: LINE:COLUMN NAME         the face of one character (both from 1)
//   bullets: LINE...               the only paragraphs that show a bullet
//
// A file opens as a document does, Unicode Pali into VriRomanPali CN.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "common/TextFiles.h"
#include "docformat/DocumentFile.h"

namespace sorvel {
namespace {

struct Expectation {
    std::vector<std::string> paragraphs;
    std::vector<std::string> content;
    std::vector<std::string> formatting;
    std::vector<std::pair<std::pair<int, long>, std::string>> faces;
    std::optional<std::vector<int>> bullets;
};

std::string unescape(std::string_view line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 >= line.size()) {
            out += line[i];
        } else if (line[i + 1] == 't') {
            out += '\t';
            ++i;
        } else if (line[i + 1] == 'x' && i + 3 < line.size()) {
            out += static_cast<char>(std::stoi(std::string(line.substr(i + 2, 2)), nullptr, 16));
            i += 3;
        } else {
            out += line[i + 1];
            ++i;
        }
    }
    return out;
}

Expectation parse(const std::string& text) {
    Expectation e;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t colon = line.find(": ");
        if (line.empty() || line[0] == '#' || colon == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, colon);
        const std::string value = line.substr(colon + 2);
        if (key == "text") {
            e.paragraphs.push_back(unescape(value));
        } else if (key == "content") {
            e.content.push_back(value);
        } else if (key == "formatting") {
            e.formatting.push_back(value);
        } else if (key == "face") {
            const std::size_t sep = value.find(':');
            const std::size_t space = value.find(' ');
            e.faces.push_back({{std::stoi(value.substr(0, sep)),
                                std::stol(value.substr(sep + 1, space - sep - 1))},
                               value.substr(space + 1)});
        } else if (key == "bullets") {
            std::istringstream numbers(value);
            e.bullets.emplace();
            for (int n = 0; numbers >> n;) {
                e.bullets->push_back(n);
            }
        } else {
            ADD_FAILURE() << "unknown line: " << line;
        }
    }
    return e;
}

std::vector<std::string> corpusFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SORVEL_CORPUS_DIR)) {
        if (entry.path().extension() == ".rtf") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Corpus : public ::testing::TestWithParam<std::string> {};

TEST_P(Corpus, KeepsWhatItCanAndReportsTheRest) {
    const std::string base = std::string(SORVEL_CORPUS_DIR) + "/" + GetParam();
    const std::optional<std::string> expectText = readWholeFile(base + ".expect");
    ASSERT_TRUE(expectText) << "no " << base << ".expect";
    const Expectation want = parse(*expectText);

    const DocumentFile::Opened opened = DocumentFile::open(base + ".rtf");
    ASSERT_TRUE(opened) << opened.error.message();
    EXPECT_EQ(opened.format, DocumentFile::Format::Rtf);
    const RichText& doc = *opened.document;
    std::string text;
    for (std::size_t i = 0; i < want.paragraphs.size(); ++i) {
        text += (i == 0 ? "" : "\r\n") + want.paragraphs[i];
    }
    EXPECT_EQ(doc.text(), text);
    EXPECT_EQ(opened.report.contentItems(), want.content);
    EXPECT_EQ(opened.report.formattingItems(), want.formatting);
    for (const auto& [place, face] : want.faces) {
        const auto [line, column] = place;
        ASSERT_LT(line - 1, doc.paragraphCount());
        const long pos = doc.paragraphStart(line - 1) + column - 1;
        ASSERT_LT(pos, doc.paragraphEnd(line - 1));
        EXPECT_EQ(doc.formatAt(pos).faceName.str(), face) << "at " << line << ":" << column;
    }
    if (want.bullets) {
        for (int p = 0; p < doc.paragraphCount(); ++p) {
            const bool bullet =
                std::find(want.bullets->begin(), want.bullets->end(), p + 1) != want.bullets->end();
            EXPECT_EQ(doc.paraFormat(p).numbering == numbering::Bullet, bullet)
                << "paragraph " << p + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, Corpus, ::testing::ValuesIn(corpusFiles()), [](const auto& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

}  // namespace
}  // namespace sorvel
