#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

#include "pali/PaliFontKind.h"

namespace sorvel {

// Conversions between the surface's 8-bit text and the text of a Qt document.
//
// A Qt document holds only characters of the code page (every byte one
// character, see Cp1252) and paragraph separators (U+2029), which stand for
// the two characters CR LF of the 8-bit text.
class QtText {
  public:
    // 8-bit text to document text; CR LF, a lone CR and a lone LF each become
    // one `paragraphBreak`.
    static QString fromBytes(std::string_view bytes,
                             QChar paragraphBreak = QChar::ParagraphSeparator);
    // Document text to 8-bit text; a paragraph or line separator becomes CR
    // LF; a character outside the code page (none should be there) becomes "?".
    static std::string toBytes(QStringView text);
    static void appendBytes(std::string& out, QStringView text);

    // Makes text arriving from outside (typing, the clipboard, a drop) fit the
    // document: a line separator or any line end becomes a paragraph
    // separator; a Unicode Pali letter becomes the byte of the Pali font
    // `kind` (when it is one); any other character the code page cannot carry
    // becomes "?".
    static QString clean(QStringView text, PaliFontKind kind);
    // True when clean() would give the text unchanged.
    static bool isClean(QStringView text, PaliFontKind kind);

    // Face names are 8-bit like the text.
    static QString faceToQt(std::string_view face);
    static std::string faceFromQt(const QString& face);
};

}  // namespace sorvel
