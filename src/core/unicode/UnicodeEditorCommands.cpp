#include "unicode/UnicodeEditorCommands.h"

#include <filesystem>

#include "common/AsciiCase.h"
#include "common/TextFiles.h"
#include "docformat/DocumentError.h"
#include "pali/PaliFontKind.h"
#include "palifont/DefaultPaliFont.h"
#include "unicode/UnicodeExport.h"
#include "unicode/UnicodeImport.h"

namespace sorvel {

namespace {

// How many of the characters that could not be pasted the message names.
constexpr std::size_t kReportListed = 10;

// The dialog's first suggestion: the document's name as text, beside it.
std::string suggestedName(const ExportedDocument& document) {
    if (document.path.empty()) {
        return document.title + ".txt";
    }
    return std::filesystem::path(document.path).replace_extension(".txt").string();
}

bool isSameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) {
        return true;
    }
    const std::filesystem::path pa = std::filesystem::absolute(a, ec).lexically_normal();
    const std::filesystem::path pb = std::filesystem::absolute(b, ec).lexically_normal();
    return pa == pb;
}

std::string reportMessage(const UnicodeReport& report, std::string_view face) {
    return report.describe(face, kReportListed) + "\n\n" +
           (report.count() == 1 ? "It was pasted as a question mark (?)."
                                : "They were pasted as question marks (?).");
}

// Plain text has no paragraph formats of its own: its new paragraphs take
// the one at the caret, as typing Enter there would.
void formatParagraphsAsCaret(RichText& text, const ParaFormat& caret) {
    ParaFormat p = caret;
    p.mask = paramask::All;
    for (int i = 0; i < text.paragraphCount(); ++i) {
        text.setParaFormat(i, p);
    }
}

}  // namespace

void copyAsUnicode(ViewContext& view, UnicodeClipboard& clipboard, std::string_view unicodeFace) {
    const Selection sel = view.surface.getSel();
    if (sel.empty()) {
        return;
    }
    const RichText text = view.surface.getRichTextRange(sel.start, sel.end);
    UnicodeExportOptions options;
    options.unicodeFace = std::string(unicodeFace);
    options.lfBreaks = true;
    clipboard.putUnicode(text, UnicodeExport::toUtf8(text, options),
                         UnicodeExport::toRtf(text, options));
}

void updateCopyAsUnicode(ViewContext& view, CommandStatus& status) {
    status.enabled = !view.surface.getSel().empty();
}

void pasteUnicodePali(ViewContext& view, const UnicodeClipboard& clipboard) {
    const UnicodeClipboard::Content content = clipboard.unicodeContent();
    if (!content.rtf && !content.utf8) {
        return;
    }
    if (view.state.defaultPaliFormat.faceName.empty()) {
        changeDefaultPaliFont(view);
        if (view.state.defaultPaliFormat.faceName.empty()) {
            return;
        }
    }
    UnicodeImportOptions options;
    options.paliFormat = view.state.defaultPaliFormat;
    options.paliFormat.mask = charmask::All;
    std::optional<UnicodeImport::Result> pasted;
    if (content.utf8) {
        pasted = UnicodeImport::fromUtf8(*content.utf8, options);
        formatParagraphsAsCaret(pasted->document, view.surface.getParaFormatSelection());
    } else {
        // Only RTF on offer: all of it is Pali text in the Pali font, which
        // shows ordinary letters too, whatever fonts the other program had.
        options.everyRun = true;
        pasted = UnicodeImport::fromRtf(*content.rtf, options);
    }
    if (!pasted || pasted->document.empty()) {
        return;
    }
    view.surface.replaceSelRich(pasted->document);
    if (!pasted->report.empty()) {
        view.platform.messageBoxUtf8(
            reportMessage(pasted->report, view.state.defaultPaliFormat.faceName));
    }
}

bool exportAsUnicode(ViewContext& view, std::string_view unicodeFace,
                     const ExportedDocument& document) {
    FileDialogRequest request;
    request.save = true;
    request.filters = {{std::string(kUnicodeTextFilter), "*.txt"},
                       {std::string(kUnicodeRtfFilter), "*.rtf"}};
    request.defaultExtension = "txt";
    request.initialName = suggestedName(document);
    const std::optional<std::string> chosen = view.platform.chooseFile(request);
    if (!chosen || chosen->empty()) {
        return false;
    }
    std::string path = *chosen;
    const std::string extension = std::filesystem::path(path).extension().string();
    if (extension.empty()) {
        path += ".txt";
    }
    if (!document.path.empty() && isSameFile(path, document.path)) {
        view.platform.messageBox(path + std::string(kExportOverDocumentMessage));
        return false;
    }
    const RichText text = view.surface.getRichTextRange(0, -1);
    UnicodeExportOptions options;
    options.unicodeFace = std::string(unicodeFace);
    const bool rtf = equalsIgnoringAsciiCase(extension, ".rtf");
    const std::string bytes =
        rtf ? UnicodeExport::toRtf(text, options) : UnicodeExport::toUtf8(text, options);
    FileError error;
    if (!writeFileAtomically(path, bytes, &error)) {
        const DocumentError failed{DocumentError::ofSaveErrno(error.errorNumber), path,
                                   error.message};
        view.platform.messageBox(failed.message());
        return false;
    }
    view.platform.showStatus(exportedNote(rtf, path));
    return true;
}

std::string exportedNote(bool rtf, const std::string& path) {
    return std::string(rtf ? "Exported the document as Unicode RTF to "
                           : "Exported the document as UTF-8 text to ") +
           path;
}

std::string legacyUnicodeFontMessage(std::string_view face) {
    return std::string(face) +
           " is one of the old 8-bit Pali fonts, not a Unicode font: its Pali letters are not "
           "where Unicode puts them, so Pali copied or exported in it would show wrong letters "
           "in other programs.\n\nUse it as the Unicode font all the same?";
}

std::optional<std::string> chooseUnicodeFont(Platform& platform, std::string_view current) {
    FontDialogRequest request;
    request.initial.mask = charmask::Face | charmask::Size;
    request.initial.faceName = current;
    request.initial.height = 240;
    request.fonts = FontList::ScreenOnly;
    request.mustExist = true;
    const std::optional<FontChoice> choice = platform.chooseFont(request);
    if (!choice || choice->faceName.empty()) {
        return std::nullopt;
    }
    // One of the old 8-bit Pali fonts keeps its letters at bytes of its own:
    // Pali set in it would show wrong letters wherever the copy goes.
    if (isPaliFont(paliFontByPrefix(choice->faceName)) &&
        !platform.askYesNo(legacyUnicodeFontMessage(choice->faceName))) {
        return std::nullopt;
    }
    // A face is kept as the character format keeps it, so that the name
    // remembered is the name written.
    return FaceName(choice->faceName).str();
}

}  // namespace sorvel
