#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/CommandStatus.h"
#include "editor/ViewContext.h"
#include "unicode/UnicodeClipboard.h"

namespace sorvel {

// The editor's doors to Unicode: the selection copied in Unicode, Unicode
// text pasted into the default Pali font, the whole document written as
// UTF-8 text or Unicode RTF, and the Unicode font those set Pali text in.
// The document itself stays 8-bit; the shell hands these commands what lies
// beyond the view (the clipboard, the chosen Unicode font, the document's
// file).

// "Copy as Unicode": the selection on the clipboard as UTF-8 text (a line
// per paragraph, LF between them as the desktop's clipboard has it) and as
// RTF whose Pali-font runs are set in `unicodeFace` with their letters as
// \uN, every other run and format as it is. Nothing happens while nothing is
// selected, as with Copy.
void copyAsUnicode(ViewContext& view, UnicodeClipboard& clipboard, std::string_view unicodeFace);
// Enabled while something is selected.
void updateCopyAsUnicode(ViewContext& view, CommandStatus& status);

// "Paste Unicode Pali": the clipboard's Unicode text replaces the selection
// in the default Pali font, as one step of undo. When no default Pali font
// has been chosen yet, it is chosen first, as for the conversions. The Pali
// letters, also those written as a letter and a combining accent, become the
// font's letters; the new paragraphs take the paragraph format at the caret.
// Plain text is taken where the clipboard offers it (it is what the other
// program copied, without its fonts); RTF only where it offers nothing else.
// A character that the font cannot show is pasted as "?" and named in a
// message afterwards.
void pasteUnicodePali(ViewContext& view, const UnicodeClipboard& clipboard);

// What Export as Unicode needs of the document besides its text.
struct ExportedDocument {
    std::string title;
    std::string path;  // its file; empty for a document never saved
};

// "Export as Unicode...": a save dialog offering UTF-8 text (.txt) and
// Unicode RTF (.rtf); the name's extension decides which is written (the
// dialog gives a name typed without one the extension of the filter chosen;
// a name that still has none gets .txt). The whole document goes out as UnicodeExport
// makes it, the Pali-font runs in `unicodeFace`, CR LF between the lines of
// text. The file is written whole or not at all; a failure shows the save
// messages of documents. The document's own file is never written over: it
// would then open with question marks for every Pali letter. True when a
// file was written; the status bar then says what was written where.
bool exportAsUnicode(ViewContext& view, std::string_view unicodeFace,
                     const ExportedDocument& document);

// "Change Unicode Font": the font dialog, opened at `current`, for the face
// the two commands above set Pali text in. The face chosen, or nothing when
// the dialog was cancelled. One of the five old Pali fonts is kept only when
// the user says Yes to the warning that it is no Unicode font.
std::optional<std::string> chooseUnicodeFont(Platform& platform, std::string_view current);

// The status-bar note after Export as Unicode wrote `path`.
std::string exportedNote(bool rtf, const std::string& path);
// The warning when the chosen Unicode font is one of the old Pali fonts.
std::string legacyUnicodeFontMessage(std::string_view face);

// The labels of the file dialog's two filters of Export as Unicode.
inline constexpr std::string_view kUnicodeTextFilter = "UTF-8 Unicode Text Files";
inline constexpr std::string_view kUnicodeRtfFilter = "Unicode RTF (Rich Text Format) Files";
// After the path, when Export as Unicode is given the document's own file.
inline constexpr std::string_view kExportOverDocumentMessage =
    "\nThis is the document's own file. Export the Unicode copy under another name.";

}  // namespace sorvel
