#include "help/HelpTexts.h"

namespace sorvel::helptext {

// Kept in a file of its own: what Sorvel offers for Unicode text is likely to
// grow, and this is the one text to change then.
std::string noUnicodeSupport() {
    return "Sorvel does not handle Unicode text.\n"
           "\n"
           "Sorvel's documents hold 8-bit text: every character is one of 256 codes, those of "
           "Windows-1252, the Western character set of Windows. A Pali letter in Sorvel is a "
           "character of one of the five Pali fonts, at the code that font gives it. Unicode, "
           "the way of writing today, gives each Pali letter a character of its own that any "
           "modern font can show; Sorvel's documents cannot hold those characters.\n"
           "\n"
           "What this means for you:\n"
           "- Pali text from a web page or a modern document, written in Unicode, does not come "
           "into Sorvel with its letters: characters that Windows-1252 lacks cannot be kept in a "
           "Sorvel document and are replaced as they come in, usually by a question mark. "
           "Bring such text into standard transliteration first (long a as aa, underdot d as .d "
           "and so on) and then convert it with Pali > Standard transliteration to Pali Font.\n"
           "- Sorvel saves no Unicode text. Pali written in Sorvel stays in its Pali font, and "
           "other programs show it correctly only where that font is installed. For readers who "
           "have no Pali font, convert it with Pali > Pali Font to Standard Transliteration: "
           "plain letters that everyone can read.\n"
           "- Unicode fonts can be used in Sorvel for ordinary text, such as English or French "
           "with the accented letters of Windows-1252, but the Pali codes work only in the five "
           "Pali fonts.\n";
}

}  // namespace sorvel::helptext
