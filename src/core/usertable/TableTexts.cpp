#include "usertable/TableTexts.h"

#include <cstdio>

namespace sorvel {

namespace {

constexpr std::string_view kTemplateIntro =
    "This is the document you use to create your transliteration table.\n"
    "\n"
    "Tip: Sorvel uses a table for every font whose name begins with the name on the FONT: line. "
    "A table whose font line says VriRomanPali therefore serves VriRomanPali CN and every other "
    "face of that family, so you may shorten the font name to cover a whole family.\n"
    "\n"
    "1. Change these comment lines as you like, or delete them. Sorvel ignores everything above "
    "the FONT: line.\n"
    "2. Delete the lines of the characters that your keyboard already gives you.\n"
    "3. Delete the lines of the codes that you do not need.\n"
    "4. For each character you need, replace Your_Translit_Or_Delete_This_Line with the code you "
    "want to type for it. Keep the TAB between the number and the code.\n"
    "5. Print this document, so that your codes are at hand while you type.\n"
    "6. Save the table with \"Save a Transliteration Table\" in the General Transliteration "
    "menu, not with File Save, and give it a name that ends in .txt.\n"
    "7. Load it with \"Load a Transliteration Table\".\n"
    "8. Type in the table's font and test your codes: each code turns into its character as "
    "soon as you release the last key of the code.\n"
    "\n";

constexpr std::string_view kInstructions =
    "Transliteration Instructions\n"
    "\n"
    "A transliteration table tells Sorvel which character of a font to put in place of a code "
    "that you type. With a table loaded and switched on, you type the code in the table's font, "
    "and when you release the last key the code turns into its character. This way you can type "
    "any left-to-right language with an ordinary keyboard.\n"
    "\n"
    "What a table looks like\n"
    "\n"
    "A table may begin with as many comment lines as you like. Sorvel starts reading the table "
    "at the line that begins with FONT: (capital letters, a colon and one space), followed by "
    "the name of the font. Every line after that is a code line: the character's number, one "
    "TAB, and the code that you want to type for it, such as 0248, a TAB, and /o. The table ends "
    "with the line END OF TRANSLITERATION CODES - (do not delete this line). Sorvel ignores "
    "everything after that line. A table may have at most 500 lines.\n"
    "\n"
    "Finding the numbers\n"
    "\n"
    "Every character of a font has a number from 0 to 255. Use \"Make a font code reference "
    "table\" to list the numbers from 64 to 255 of any font, each beside its character. The "
    "codes 127, 128, 129, 141, 142, 143, 144, 157 and 158 are NOT SUPPORTED BY WINDOWS in most "
    "fonts. If you see a rectangle beside a number, the font has no printable character for "
    "that number.\n"
    "\n"
    "Good to know\n"
    "\n"
    "A table is a plain text file. You can print it, edit it with any text editor and send it "
    "to a friend by e-mail. You may keep several tables for one font, for example one for each "
    "language, and load the one you need.\n"
    "\n"
    "Sorvel already knows the Pali letters of five Pali fonts: VriRomanPali, Times_CSX+, Skt "
    "Times, Leedsbit PaliTranslit and Times_Norman. A table for one of these fonts replaces "
    "Sorvel's own Pali codes for that font, so such a table must hold codes for all of the Pali "
    "letters, not only for the ones you want to change.\n"
    "\n"
    "Making a table\n"
    "\n"
    "1. Open a new document and choose \"Create a Transliteration Table\". Choose the font in "
    "the font dialog.\n"
    "2. Change the comment lines at the top, or delete them.\n"
    "3. Delete the lines of the characters that your keyboard already gives you, and of those "
    "that you do not need.\n"
    "4. For each remaining character, replace Your_Translit_Or_Delete_This_Line with your code.\n"
    "5. Print the document, so that your codes are at hand.\n"
    "6. Save it with \"Save a Transliteration Table\" (not with File Save), as a name that ends "
    "in .txt.\n"
    "7. Load it with \"Load a Transliteration Table\" and try your codes in the table's font.\n"
    "\n"
    "Changing a table\n"
    "\n"
    "Open a new document and choose \"Open a Transliteration Table for Editing\". Change the "
    "codes, then save the table again with \"Save a Transliteration Table\", under the same "
    "name or a new one, and load it again: a table that is already loaded does not change until "
    "you load it once more.\n";

}  // namespace

std::string_view tableTemplateIntro() {
    return kTemplateIntro;
}

std::string tableTemplate(std::string_view faceName) {
    std::string text(kTemplateIntro);
    text += "FONT: ";
    text += faceName;
    text += '\n';
    for (int code = kFirstListedCode; code <= kLastListedCode; ++code) {
        char number[8];
        std::snprintf(number, sizeof number, "%04d\t", code);
        text += number;
        text += isUnsupportedByWindows(code) ? "Not supported by Windows"
                                             : "Your_Translit_Or_Delete_This_Line";
        text += '\n';
    }
    text += "END OF TRANSLITERATION CODES - (do not delete this line)\n";
    return text;
}

std::string_view tableInstructions() {
    return kInstructions;
}

}  // namespace sorvel
