#pragma once

#include <QFont>
#include <QString>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/TransliterationState.h"
#include "text/RichText.h"

class QMimeData;

namespace sorvel {

// What a document window puts on the clipboard (or into a drag), and what it
// makes of what comes from there.
//
// Other programs get RTF, HTML and plain text. Inside the program a copy also
// carries a private token that names the copied fragment itself, so that a
// paste keeps every field of the formats (character set, pitch, exact
// heights), which HTML cannot carry.
//
// Whatever comes in is made to fit the 8-bit document (see QtText::clean):
// a fragment from outside is rebuilt paragraph by paragraph with the formats
// the Font description can hold, so that no table, image or line separator
// gets into the text.
class QtClipboardData {
  public:
    static QMimeData* fromSelection(const QTextCursor& selection);
    // Forms made by the caller for other programs (Copy as Unicode): `utf8`
    // as plain text and `rtf` as RTF. A paste inside the program takes
    // `original`, the 8-bit text they were made from, as it was.
    static QMimeData* fromForms(const RichText& original, std::string_view utf8,
                                std::string_view rtf);
    // The RTF on the clipboard, under any of the names it travels by.
    static std::optional<QByteArray> rtfOf(const QMimeData* data);
    static bool canInsert(const QMimeData* data);

    // What to insert: a fragment for rich text, else plain text.
    struct Insert {
        std::optional<QTextDocumentFragment> fragment;
        QString text;
    };
    // How a paste takes what is on the clipboard: the richest form there is,
    // or the plain text alone.
    enum class As { Best, RichText, PlainText };
    // `insertion` is the format at the caret, which plain text takes.
    static Insert toInsert(const QMimeData* data, const FontDescription& insertion,
                           const TransliterationState& state, As as = As::Best);
    // The forms that Paste Special offers for `data`: "Rich Text (RTF)" when
    // it holds formatted text, "Unformatted Text" when it holds text.
    static std::vector<std::string> pasteFormats(const QMimeData* data);
    static constexpr const char* kRichTextLabel = "Rich Text (RTF)";
    static constexpr const char* kPlainTextLabel = "Unformatted Text";

    // The private format's name.
    static const char* mimeType();
};

}  // namespace sorvel
