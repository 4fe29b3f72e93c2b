#include "cli/DocumentCommands.h"

#include <map>
#include <ostream>

#include "cli/ConvertTool.h"
#include "docformat/DocumentFile.h"

namespace sorvel {

std::string describeDocumentError(const DocumentError& error) {
    std::string text = error.message();
    for (char& c : text) {
        if (c == '\n') {
            c = ' ';
        }
    }
    if (!error.detail.empty()) {
        text += " (" + error.detail + ")";
    }
    return text;
}

void printLeftOut(const DocumentReport& report, std::ostream& err) {
    for (const std::string& item : report.contentItems(kCharactersListed)) {
        err << "left out: " << item << '\n';
    }
    for (const std::string& item : report.formattingItems()) {
        err << "left out: formatting: " << item << '\n';
    }
}

namespace {

// The Pali font of --font; an empty face (the reader's default) without it,
// nothing after a message when it names no Pali font.
std::optional<FontDescription> paliFontOf(ConvertTool& tool, const CommandLine& line,
                                          ToolStreams& io) {
    if (!line.values.contains("font")) {
        return FontDescription{};
    }
    if (!tool.paliFontOption(line, "font", io)) {
        return std::nullopt;
    }
    FontDescription pali = RichText::standardFormat();
    pali.faceName = line.value("font");
    return pali;
}

// Reads the document named by a positional argument; "-" is standard input.
// What it could not keep goes to standard error; with --strict, content left
// out fails the command before anything is written.
std::optional<RichText> openDocument(ConvertTool& tool, const CommandLine& line, ToolStreams& io,
                                     const FontDescription& pali) {
    const std::string& path = line.inputs[0];
    DocumentFile::Opened opened;
    if (path == "-") {
        const std::optional<std::string> bytes = tool.readStandardInput(io);
        if (!bytes) {
            return std::nullopt;
        }
        opened = DocumentFile::openBytes(*bytes, "standard input", pali);
    } else {
        opened = DocumentFile::open(path, pali);
    }
    if (!opened) {
        ConvertTool::fail(io, describeDocumentError(opened.error));
        return std::nullopt;
    }
    printLeftOut(opened.report, io.err);
    if (line.has("strict") && opened.report.lostContent()) {
        ConvertTool::fail(io, (path == "-" ? std::string("standard input") : path) +
                                  ": content was left out (see above); nothing written (--strict)");
        return std::nullopt;
    }
    return std::move(opened.document);
}

int text(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const std::optional<FontDescription> pali = paliFontOf(tool, line, io);
    if (!pali) {
        return 2;
    }
    const std::optional<RichText> doc = openDocument(tool, line, io, *pali);
    if (!doc) {
        return 1;
    }
    return tool.writeOutput(line, io, doc->text());
}

int save(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const std::optional<FontDescription> pali = paliFontOf(tool, line, io);
    if (!pali) {
        return 2;
    }
    const std::optional<RichText> doc = openDocument(tool, line, io, *pali);
    if (!doc) {
        return 1;
    }
    const auto format =
        line.has("rtf") ? DocumentFile::Format::Rtf : DocumentFile::Format::Compound;
    const std::string& out = line.inputs[1];
    if (out == "-") {
        std::string detail;
        const std::optional<std::string> bytes = DocumentFile::toBytes(*doc, format, &detail);
        if (!bytes) {
            return ConvertTool::fail(io, "Failed to save document. (" + detail + ")");
        }
        io.out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        io.out.flush();
        return io.out.good() ? 0 : ConvertTool::fail(io, "cannot write standard output");
    }
    const DocumentError error = DocumentFile::save(*doc, out, format);
    return error.ok() ? 0 : ConvertTool::fail(io, describeDocumentError(error));
}

}  // namespace

void addDocumentCommands(ConvertTool& tool) {
    tool.addOption({"rtf", "", "write plain RTF instead of a compound file"});
    tool.addOption({"strict", "", "fail, writing nothing, when content would be left out"});
    const std::string leftOut =
        " What the document cannot keep (footnotes, pictures, list numbers, characters beyond its "
        "code page, ...) is left out, each kind on a line of standard error that begins with "
        "\"left out:\" (formatting with \"left out: formatting:\"); with --strict, content left "
        "out fails the command instead. Unicode Pali that a run's code page cannot carry comes "
        "into the Pali font --font (VriRomanPali CN unless given).";
    const std::map<std::string, std::string> fontHelp = {
        {"font", "the Pali font that Unicode Pali comes into (VriRomanPali CN)"}};
    tool.addCommand({.name = "text",
                     .brief = "print the text of a document",
                     .summary = "Prints the 8-bit text of a document (a Sorvel document or any RTF "
                                "file), with CR LF between paragraphs. FILE may be \"-\" for "
                                "standard input." +
                                leftOut,
                     .options = {"font", "strict"},
                     .minInputs = 1,
                     .maxInputs = 1,
                     .run = text,
                     .optional = {"font"},
                     .inputsUsage = "FILE",
                     .optionHelp = fontHelp});
    tool.addCommand({.name = "save",
                     .brief = "save a document or RTF file as Sorvel saves it",
                     .summary = "Reads a document (a Sorvel document or any RTF file) and writes "
                                "it as Sorvel saves documents: RTF inside a compound file, or "
                                "plain RTF with --rtf. OUT is replaced whole or not at all; IN "
                                "and OUT may be \"-\" for standard input and output." +
                                leftOut,
                     .options = {"rtf", "font", "strict"},
                     .minInputs = 2,
                     .maxInputs = 2,
                     .run = save,
                     .optional = {"font"},
                     .inputsUsage = "IN OUT",
                     .writesText = false,
                     .optionHelp = fontHelp});
}

}  // namespace sorvel
