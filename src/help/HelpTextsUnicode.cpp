#include "help/HelpTexts.h"

namespace sorvel::helptext {

// Kept in a file of its own: what Sorvel offers for Unicode text is likely to
// grow, and this is the one text to change then.
std::string noUnicodeSupport() {
    return "Sorvel's documents hold 8-bit text, not Unicode.\n"
           "\n"
           "Every character in a Sorvel document is one of 256 codes, those of Windows-1252, "
           "the Western character set of Windows. A Pali letter in Sorvel is a character of one "
           "of the five Pali fonts, at the code that font gives it. Unicode, the way of writing "
           "today, gives each Pali letter a character of its own that any modern font can show; "
           "Sorvel's documents cannot hold those characters.\n"
           "\n"
           "Sorvel carries Pali across that border with its command-line tool sorvel-convert "
           "(\"sorvel-convert --help\" and the README that comes with Sorvel say more):\n"
           "- \"sorvel-convert unicode\" converts documents, or whole folders of them, to "
           "Unicode: to UTF-8 text, or to RTF in Unicode that any modern word processor opens. "
           "Each piece of text converts by its own font: the letters of the five Pali fonts "
           "become the Unicode Pali letters, every other character stays what it is. In RTF "
           "the Pali text is set in a Unicode font (Gentium Plus unless you choose another) and "
           "every other format is kept. VriRomanPali and SKT_Times have one code for both "
           "dotted m's; it becomes underdot m, or overdot m if you ask.\n"
           "- \"sorvel-convert from-unicode\" brings UTF-8 text or RTF in Unicode, such as Pali "
           "from a web page or from a modern word processor, into a Pali font: into a Sorvel "
           "document or into 8-bit text. The Pali letters become that font's letters, also "
           "where they are written as a plain letter followed by an accent. A character that "
           "the font cannot show is never dropped in silence: the file is refused with a list "
           "of such characters and where they stand, or, if you ask, they become question "
           "marks and are listed.\n"
           "- \"sorvel-convert font\", given documents, converts only the text in one Pali font "
           "to another and leaves every other piece of text exactly as it was, where Pali > "
           "Convert Pali Font of Selected Text converts all of the selected text.\n"
           "\n"
           "In the editor itself:\n"
           "- Pali text from a web page or a modern document, written in Unicode, does not come "
           "into Sorvel with its letters when it is pasted: characters that Windows-1252 lacks "
           "cannot be kept in a Sorvel document and are replaced as they come in, usually by a "
           "question mark. Save it as text or RTF and convert it with \"sorvel-convert "
           "from-unicode\", or bring it into standard transliteration (long a as aa, underdot d "
           "as .d and so on) and convert it with Pali > Standard transliteration to Pali Font.\n"
           "- The editor saves no Unicode text. Pali written in Sorvel stays in its Pali font, "
           "and other programs show it correctly only where that font is installed. For readers "
           "who have no Pali font, make a Unicode copy with \"sorvel-convert unicode\", or "
           "convert the text with Pali > Pali Font to Standard Transliteration: plain letters "
           "that everyone can read.\n"
           "- Unicode fonts can be used in Sorvel for ordinary text, such as English or French "
           "with the accented letters of Windows-1252, but the Pali codes work only in the five "
           "Pali fonts.\n";
}

}  // namespace sorvel::helptext
