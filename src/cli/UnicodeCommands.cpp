#include "cli/UnicodeCommands.h"

#include "cli/ConvertTool.h"
#include "cli/DocumentCommands.h"
#include "cli/FileBatch.h"
#include "cli/TextPump.h"
#include "common/FilterChain.h"
#include "common/ReplaceFilter.h"
#include "common/Utf8.h"
#include "docformat/CompoundFile.h"
#include "docformat/DocumentFile.h"
#include "docformat/RtfReader.h"
#include "pali/TextReplace.h"
#include "translit/PaliFontConversion.h"
#include "translit/PaliFontStream.h"
#include "unicode/DocumentFontConversion.h"
#include "unicode/FontToUtf8Stream.h"
#include "unicode/UnicodeExport.h"
#include "unicode/UnicodeImport.h"
#include "unicode/UnicodeText.h"
#include "unicode/Utf8ToFontStream.h"

namespace sorvel {

namespace {

bool isDocument(std::string_view bytes) {
    return CompoundFile::isCompound(bytes) || RtfReader::isRtf(bytes);
}

bool holdsNul(std::string_view bytes) {
    return bytes.find('\0') != std::string_view::npos;
}

std::string withBreaks(std::string text, const CommandLine& line) {
    if (line.has("lf")) {
        replaceAll(text, "\r\n", "\n");
    }
    return text;
}

// What is said of characters that a font cannot show: the file fails, or
// with --lossy the note that goes with it.
std::optional<FileOutcome> refuseLoss(const UnicodeReport& report, const std::string& face,
                                      const CommandLine& line, std::string& note) {
    if (report.empty()) {
        return std::nullopt;
    }
    if (!line.has("lossy")) {
        return FileOutcome::failed(report.describe(face) +
                                   "; nothing written (--lossy writes them as \"?\")");
    }
    note = report.describe(face) + ", written as \"?\"";
    return std::nullopt;
}

// A text job that takes no text: the file is refused as it is.
TextJob refusedText(FileOutcome why) {
    TextJob job{std::make_unique<FilterChain>()};
    job.verdict = [why](bool, bool) { return std::optional<FileOutcome>(why); };
    return job;
}

// A file found in a folder that holds a NUL byte is no text: it is skipped.
void refuseNul(TextJob& job, bool found, const std::string& why) {
    job.watchNul = found;
    job.verdict = [why](bool, bool sawNul) {
        return sawNul ? std::optional<FileOutcome>(FileOutcome::skipped(why)) : std::nullopt;
    };
}

// What a document read could not keep, as a remark on its conversion.
std::string leftOutNote(const DocumentReport& report) {
    return report.lostContent() ? "left out: " + report.describeContent() : std::string();
}

// The line and column of a byte offset, counted in characters.
std::string placeOf(std::string_view utf8, std::size_t offset) {
    long line = 1;
    long column = 1;
    std::size_t i = 0;
    while (i < offset) {
        if (utf8[i] == '\n') {
            ++line;
            column = 1;
            ++i;
            continue;
        }
        Utf8::decode(utf8, i);
        ++column;
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

int unicode(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const std::string format = line.values.contains("format") ? line.value("format") : "txt";
    if (format != "txt" && format != "rtf") {
        return ConvertTool::fail(io, "--format for unicode is txt or rtf", 2);
    }
    UnicodeExportOptions options;
    options.overdotM = line.has("overdot-m");
    options.lfBreaks = line.has("lf");
    if (line.values.contains("font")) {
        if (format != "rtf") {
            return ConvertTool::fail(io, "--font (the Unicode font) applies to --format rtf only",
                                     2);
        }
        options.unicodeFace = line.value("font");
        if (options.unicodeFace.empty()) {
            return ConvertTool::fail(io, "--font needs a face name", 2);
        }
    }
    std::optional<PaliFontKind> from;
    if (line.values.contains("from")) {
        from = tool.paliFontOption(line, "from", io);
        if (!from) {
            return 2;
        }
    }
    const std::string extension = "." + format;
    return FileBatch::run(
        line, io,
        [&](std::string_view bytes, const std::string& name, bool found) {
            if (isDocument(bytes)) {
                const DocumentFile::Opened opened = DocumentFile::openBytes(bytes, name);
                if (!opened) {
                    return FileOutcome::failed(describeDocumentError(opened.error));
                }
                return FileOutcome::converted(
                    format == "rtf" ? UnicodeExport::toRtf(*opened.document, options)
                                    : UnicodeExport::toUtf8(*opened.document, options),
                    extension, leftOutNote(opened.report));
            }
            if (!from) {
                return FileOutcome::skipped("not a document (for 8-bit text, give --from FACE)");
            }
            if (found && holdsNul(bytes)) {
                return FileOutcome::skipped("not text: it holds NUL bytes");
            }
            const std::string text = RichText::normalizeBreaks(bytes);
            if (format == "rtf") {
                FontDescription face = RichText::standardFormat();
                face.faceName = line.value("from");
                RichText doc(face);
                doc.append(text, face);
                return FileOutcome::converted(UnicodeExport::toRtf(doc, options), extension);
            }
            return FileOutcome::converted(
                withBreaks(UnicodeText::fromFontToUtf8(text, *from, options.overdotM), line),
                extension);
        },
        [&](const std::string&, bool found) -> std::optional<TextJob> {
            if (format != "txt") {
                return std::nullopt;
            }
            if (!from) {
                return refusedText(
                    FileOutcome::skipped("not a document (for 8-bit text, give --from FACE)"));
            }
            TextJob job{TextPump::framed(
                std::make_unique<FontToUtf8Stream>(*from, options.overdotM), line)};
            job.extension = extension;
            refuseNul(job, found, "not text: it holds NUL bytes");
            return job;
        });
}

int fromUnicode(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const std::optional<PaliFontKind> kind = tool.paliFontOption(line, "font", io);
    if (!kind) {
        return 2;
    }
    const std::string format = line.value("format");
    if (line.values.contains("format") && format != "doc" && format != "rtf" && format != "txt") {
        return ConvertTool::fail(io, "--format for from-unicode is doc, rtf or txt", 2);
    }
    UnicodeImportOptions options;
    options.paliFormat = RichText::standardFormat();
    options.paliFormat.faceName = line.value("font");
    options.everyRun = line.has("every-run");
    if (line.values.contains("unicode-font")) {
        options.unicodeFace = line.value("unicode-font");
    }
    const std::string face = line.value("font");
    return FileBatch::run(
        line, io,
        [&](std::string_view bytes, const std::string&, bool found) {
            std::optional<UnicodeImport::Result> result;
            const bool fromDocument = isDocument(bytes);
            if (fromDocument) {
                std::string contents;
                std::string_view rtf = bytes;
                if (CompoundFile::isCompound(bytes)) {
                    std::string detail;
                    std::optional<std::string> read = CompoundFile::readContents(bytes, &detail);
                    if (!read) {
                        return FileOutcome::failed("Unexpected file format. (" + detail + ")");
                    }
                    contents = std::move(*read);
                    rtf = contents;
                }
                if (rtf.find_first_not_of(" \t\r\n") == std::string_view::npos) {
                    result = UnicodeImport::Result{RichText(options.paliFormat), {}};
                } else {
                    result = UnicodeImport::fromRtf(rtf, options);
                }
                if (!result) {
                    return FileOutcome::failed(
                        "Unexpected file format. (the document is not RTF text)");
                }
            } else {
                if (const std::optional<std::size_t> bad = Utf8::firstMalformed(bytes)) {
                    return FileOutcome::skipped("not UTF-8 text (a byte that is no UTF-8 at " +
                                                placeOf(bytes, *bad) + ")");
                }
                if (found && holdsNul(bytes)) {
                    return FileOutcome::skipped("not text: it holds NUL bytes");
                }
                result = UnicodeImport::fromUtf8(bytes, options);
            }
            std::string note;
            if (std::optional<FileOutcome> refused = refuseLoss(result->report, face, line, note)) {
                return *refused;
            }
            const std::string out = format.empty() ? (fromDocument ? "doc" : "txt") : format;
            const bool toDocument = out != "txt";
            const std::string extension = toDocument == fromDocument ? ""
                                          : toDocument               ? ".rtf"
                                                                     : ".txt";
            if (!toDocument) {
                return FileOutcome::converted(withBreaks(result->document.text(), line), extension,
                                              note);
            }
            std::string detail;
            const std::optional<std::string> written = DocumentFile::toBytes(
                result->document,
                out == "rtf" ? DocumentFile::Format::Rtf : DocumentFile::Format::Compound, &detail);
            if (!written) {
                return FileOutcome::failed("Failed to save document. (" + detail + ")");
            }
            return FileOutcome::converted(*written, extension, note);
        },
        [&](const std::string&, bool found) -> std::optional<TextJob> {
            if (!format.empty() && format != "txt") {
                return std::nullopt;
            }
            auto stream = std::make_unique<Utf8ToFontStream>(*kind, options.replacement);
            const Utf8ToFontStream* read = stream.get();
            // The stream reads every kind of line end itself; only --lf is left.
            auto chain = std::make_unique<FilterChain>();
            chain->add(std::move(stream));
            if (line.has("lf")) {
                chain->add(std::make_unique<ReplaceFilter>("\r\n", "\n"));
            }
            TextJob job{std::move(chain)};
            job.mayRefuse = true;
            job.watchNul = found;
            job.verdict = [read, found, face, &line](bool ended,
                                                     bool sawNul) -> std::optional<FileOutcome> {
                if (read->malformed()) {
                    return FileOutcome::skipped("not UTF-8 text (a byte that is no UTF-8 at " +
                                                *read->malformed() + ")");
                }
                if (!ended) {
                    return std::nullopt;
                }
                if (found && sawNul) {
                    return FileOutcome::skipped("not text: it holds NUL bytes");
                }
                std::string note;
                return refuseLoss(read->report(), face, line, note);
            };
            job.note = [read, face, &line] {
                std::string note;
                refuseLoss(read->report(), face, line, note);
                return note;
            };
            return job;
        });
}

}  // namespace

int convertFontFiles(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const auto from = tool.paliFontOption(line, "from", io);
    const auto to = from ? tool.paliFontOption(line, "to", io) : std::nullopt;
    if (!to) {
        return 2;
    }
    const std::string toFace = line.value("to");
    const bool overdotM = line.has("overdot-m");
    return FileBatch::run(
        line, io,
        [&](std::string_view bytes, const std::string& name, bool found) {
            if (isDocument(bytes)) {
                const DocumentFile::Opened opened = DocumentFile::openBytes(bytes, name);
                if (!opened) {
                    return FileOutcome::failed(describeDocumentError(opened.error));
                }
                const DocumentFontConversion::Result result =
                    DocumentFontConversion::convert(*opened.document, *from, toFace, overdotM);
                std::string note;
                if (std::optional<FileOutcome> refused =
                        refuseLoss(result.report, toFace, line, note)) {
                    return *refused;
                }
                if (result.convertedCharacters == 0) {
                    note = "no text in " + std::string(paliFontName(*from)) + "; written unchanged";
                }
                if (const std::string leftOut = leftOutNote(opened.report); !leftOut.empty()) {
                    note += (note.empty() ? "" : "; ") + leftOut;
                }
                std::string detail;
                const std::optional<std::string> written =
                    DocumentFile::toBytes(result.document, opened.format, &detail);
                if (!written) {
                    return FileOutcome::failed("Failed to save document. (" + detail + ")");
                }
                return FileOutcome::converted(*written, "", note);
            }
            if (found && holdsNul(bytes)) {
                return FileOutcome::skipped("not a document or text: it holds NUL bytes");
            }
            std::string text = RichText::normalizeBreaks(bytes);
            convertPaliFontText(text, *from, *to);
            return FileOutcome::converted(withBreaks(std::move(text), line), "");
        },
        [&](const std::string&, bool found) -> std::optional<TextJob> {
            TextJob job{
                std::make_unique<PaliFontStream>(*from, *to, line.has("lf") ? "\n" : "\r\n")};
            refuseNul(job, found, "not a document or text: it holds NUL bytes");
            return job;
        });
}

void addUnicodeCommands(ConvertTool& tool) {
    tool.addOption({"out-dir", "DIR", "write each output into the folder DIR (see below)"});
    tool.addOption({"format", "FORMAT", "the form of the output"});
    tool.addOption({"overdot-m", "",
                    "read the m that VriRomanPali and SKT_Times share for both dotted m's as "
                    "overdot m (U+1E41), not underdot m (U+1E43)"});
    tool.addOption(
        {"lossy", "", "write characters that the font cannot show as \"?\" instead of failing"});
    tool.addOption({"unicode-font", "FACE", "RTF text in FACE is Pali text (Gentium Plus)"});
    tool.addOption(
        {"every-run", "", "put every run of RTF into the Pali font, not only the Pali text"});
    const std::string batch =
        " With --out-dir DIR, any number of files and folders are read: a folder is walked, and "
        "each file goes to DIR (a file found in a folder to the same place under DIR), with one "
        "line on standard output for each: converted, skipped or failed, and why. The status is "
        "1 when any failed. No input file is ever written over.";
    tool.addCommand(
        {.name = "unicode",
         .brief = "documents or Pali-font text to UTF-8 text or Unicode RTF",
         .summary = "Converts documents (Sorvel documents or RTF files) to UTF-8 text "
                    "(--format txt, the default) or to RTF in Unicode (--format rtf). Each "
                    "run converts by its own font: the letters of the five Pali fonts "
                    "become the Unicode Pali letters, every other character its Unicode "
                    "character. In RTF the Pali-font text is set in a Unicode font "
                    "(--font, Gentium Plus unless given) and every other format is kept. "
                    "An input that is not a document is 8-bit text in the Pali font given "
                    "with --from." +
                    batch,
         .options = {"from", "format", "font", "out-dir", "overdot-m"},
         .minInputs = 0,
         .maxInputs = 1 << 30,
         .run = unicode,
         .optional = {"from", "format", "font", "out-dir"},
         .optionHelp = {{"from", "the Pali font of input that is 8-bit text"},
                        {"format", "txt (UTF-8 text, the default) or rtf"},
                        {"font", "the Unicode font for Pali text in RTF"}}});
    tool.addCommand(
        {.name = "from-unicode",
         .brief = "UTF-8 text or Unicode RTF to a Pali font",
         .summary = "Converts UTF-8 text or RTF in Unicode (or a Sorvel document) to the Pali "
                    "font FACE: the Pali letters become that font's letters, whether precomposed "
                    "or as a letter and a combining mark. Text goes into a document "
                    "(--format doc, RTF in a compound file as Sorvel saves), into plain RTF "
                    "(--format rtf) or into 8-bit text (--format txt); by default text gives "
                    "text and RTF a document. In RTF, the runs in one of the Pali fonts or in "
                    "the Unicode font (--unicode-font, Gentium Plus unless given) and the runs "
                    "that hold Pali letters beyond Windows-1252 go into FACE; other runs keep "
                    "their font (--every-run puts all into FACE). A character that its font "
                    "cannot show fails the file, naming where it is (--lossy writes \"?\" "
                    "instead)." +
                    batch,
         .options = {"font", "format", "unicode-font", "every-run", "lossy", "out-dir"},
         .minInputs = 0,
         .maxInputs = 1 << 30,
         .run = fromUnicode,
         .optional = {"format", "unicode-font", "out-dir"},
         .optionHelp = {{"font", "the Pali font to convert to"},
                        {"format", "doc (a Sorvel document), rtf or txt (8-bit text)"}}});
}

}  // namespace sorvel
