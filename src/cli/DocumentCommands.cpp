#include "cli/DocumentCommands.h"

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

namespace {

// Reads the document named by a positional argument; "-" is standard input.
std::optional<RichText> openDocument(ConvertTool& tool, const std::string& path, ToolStreams& io) {
    DocumentFile::Opened opened;
    if (path == "-") {
        const std::optional<std::string> bytes = tool.readStandardInput(io);
        if (!bytes) {
            return std::nullopt;
        }
        opened = DocumentFile::openBytes(*bytes, "standard input");
    } else {
        opened = DocumentFile::open(path);
    }
    if (!opened) {
        ConvertTool::fail(io, describeDocumentError(opened.error));
        return std::nullopt;
    }
    return std::move(opened.document);
}

int text(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const std::optional<RichText> doc = openDocument(tool, line.inputs[0], io);
    if (!doc) {
        return 1;
    }
    return tool.writeOutput(line, io, doc->text());
}

int save(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const std::optional<RichText> doc = openDocument(tool, line.inputs[0], io);
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
    tool.addCommand({.name = "text",
                     .brief = "print the text of a document",
                     .summary = "Prints the 8-bit text of a document (a Sorvel document or any RTF "
                                "file), with CR LF between paragraphs. FILE may be \"-\" for "
                                "standard input.",
                     .options = {},
                     .minInputs = 1,
                     .maxInputs = 1,
                     .run = text,
                     .inputsUsage = "FILE"});
    tool.addCommand({.name = "save",
                     .brief = "save a document or RTF file as Sorvel saves it",
                     .summary = "Reads a document (a Sorvel document or any RTF file) and writes "
                                "it as Sorvel saves documents: RTF inside a compound file, or "
                                "plain RTF with --rtf. OUT is replaced whole or not at all; IN "
                                "and OUT may be \"-\" for standard input and output.",
                     .options = {"rtf"},
                     .minInputs = 2,
                     .maxInputs = 2,
                     .run = save,
                     .inputsUsage = "IN OUT",
                     .writesText = false});
}

}  // namespace sorvel
