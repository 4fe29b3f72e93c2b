#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "pali/PaliStandIns.h"

namespace sorvel {

// The program's own copies of the Pali stand-in fonts, one under each face
// name that documents carry the legacy Pali fonts in ("VriRomanPali CN",
// "Times_CSX+" ...). Where a real font of such a name is installed it is
// used, and nothing of ours is registered under its name; elsewhere the
// stand-in is registered for this program alone, so that the font dialogs
// offer it, documents in it show their Pali letters, typing in it works, and
// printing and PDF show the letters.
class PaliStandInFonts {
  public:
    // Registers the stand-in, in its four styles, under every legacy face
    // name that no installed font carries. Gives the face names registered.
    // Needs the application object and should run before any window; it
    // registers once, and later calls give the same names.
    static QStringList registerMissing();

    // Whether `installed` (font families as Qt lists them, a foundry perhaps
    // added in brackets) holds `face`, compared as fonts are matched: without
    // regard to case.
    static bool holdsFamily(const QStringList& installed, const QString& face);

    // The families text in `face` (8-bit) is drawn with: the face itself,
    // and after it, for a face recognised as a Pali font by a name that no
    // stand-in is registered under ("VriRomanPali CS"), the first face name
    // of that font, so that where the face is not installed the text still
    // shows its font's letters.
    static QStringList familiesFor(std::string_view face);

    // The resource of a face's stand-in in one style.
    static QString resourcePath(std::string_view face, const StandInStyle& style);

  private:
    static QStringList registerOnce();
};

}  // namespace sorvel
