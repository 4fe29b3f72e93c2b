#include "help/HelpTexts.h"

namespace sorvel::helptext {

std::string noPageBreaks() {
    return "Sorvel's documents hold no page breaks. When a document is printed, a new page "
           "starts only where the page before it is full.\n"
           "\n"
           "If the text is going into a word processor for its final layout, mark each place "
           "where a page is to end with a marker text that does not occur anywhere else, on a "
           "line of its own, for example:\n"
           "    [PAGE BREAK]\n"
           "Then, in the word processor:\n"
           "1. Find the marker with the word processor's Find command.\n"
           "2. Put the caret at the marker and insert a page break (in most word processors with "
           "Ctrl+Enter).\n"
           "3. Delete the marker, and go on to the next one.\n"
           "Some word processors can replace all markers by page breaks in one go; their help "
           "tells how.\n";
}

std::string copyAndPaste() {
    return "Copying and pasting works as in other programs: Edit > Cut (Ctrl+X), Copy "
           "(Ctrl+C) and Paste (Ctrl+V). Edit > Copy All Text To Clipboard (Ctrl+W) copies the "
           "whole document at once and puts the caret at its start.\n"
           "\n"
           "From Sorvel to a word processor: Sorvel puts copied text on the clipboard both as "
           "rich text and as plain text. A word processor takes the rich text, with its fonts "
           "(the Pali font included), sizes, bold, italic and underline, so the Pali letters "
           "arrive whole, as long as the Pali font is installed. A program for plain text, such "
           "as an e-mail program or a text editor, takes the plain text: the Pali letters then "
           "show as other characters. For such programs, copy with Pali > Copy as Unicode "
           "instead (see \"No Unicode support\"), or convert the Pali to standard "
           "transliteration first (see \"Conversion: Pali <-> Standard Transliteraton\").\n"
           "\n"
           "From a word processor to Sorvel: Paste brings the text with its simple formatting. "
           "Elaborate formatting does not come along: styles, tables, columns, footnotes, "
           "headers and footers are lost. Neither do the characters of Unicode text that Sorvel's "
           "8-bit documents cannot hold: paste Pali in Unicode with Pali > Paste Unicode Pali "
           "(see \"No Unicode support\"). To paste text without any "
           "formatting, use Edit > Paste Special and choose Unformatted Text: the text then takes "
           "the font at the caret.\n"
           "\n"
           "From the CSCD, use Pali > Paste from CSCD (see \"Paste from CSCD\").\n"
           "\n"
           "From this help window: select text and press Ctrl+C, or right-click it and choose "
           "Copy.\n";
}

std::string dragAndDrop() {
    return "Selected text can be moved with the mouse:\n"
           "1. Select the text.\n"
           "2. Point at the selection, press the left mouse button and hold it down.\n"
           "3. Drag the text to its new place and release the button.\n"
           "\n"
           "The text is moved. To copy it instead, hold down Ctrl as you release the mouse "
           "button. You can also drag text into the window of another document, or into another "
           "program that accepts dropped text.\n"
           "\n"
           "Dropping a Sorvel document or an RTF file from the file manager onto Sorvel's window "
           "opens it.\n";
}

std::string multipleDocuments() {
    return "Sorvel can have several documents open at once, each in a window of its own inside "
           "Sorvel's main window. Open more with File > New and File > Open. Files opened from "
           "the file manager, or named in a terminal (sorvel FILE...), open in the Sorvel that "
           "is already running, each in a window of its own.\n"
           "\n"
           "The main window's title names the active document. A * after the name means that "
           "the document has changes you have not saved; it goes when you save, or when Edit > "
           "Undo takes the changes back. Edit > Redo (Ctrl+Y or Ctrl+Shift+Z) puts back what "
           "Undo took.\n"
           "\n"
           "The Window menu:\n"
           "- New Window opens a second window on the same document, for example to see two "
           "parts of a long document at once. What you change in one window shows in the "
           "other.\n"
           "- Cascade and Tile arrange the windows; Arrange Icons lines up the minimised ones.\n"
           "- Below these stand the open windows, numbered 1 to 9, with a check mark at the "
           "active one: choose one (or press its number while the menu is open) to bring it to "
           "the front. With more than nine windows, Window > More Windows lists them all.\n"
           "\n"
           "To move text from one document to another, select it, cut or copy it, click into the "
           "other document's window, and paste it. You can also drag it across (see \"Drag and "
           "Drop\").\n"
           "\n"
           "Pali entry and your own transliteration table are the same for all windows: "
           "switching Pali entry on or off in one window switches it in all of them. Every new "
           "window starts with Pali entry on if Sorvel has your default Pali font on file, even "
           "if you had switched it off.\n"
           "\n"
           "When you close a changed document, or quit Sorvel, Sorvel asks whether to save the "
           "changes.\n";
}

std::string rtfFileFormat() {
    return "Sorvel saves its documents in RTF (Rich Text Format), which nearly every word "
           "processor reads. Sorvel's own files wrap the RTF text in a compound file, a kind of "
           "container that older office programs of Windows use. Some programs therefore do not "
           "open a file saved by Sorvel, though the text inside is RTF.\n"
           "\n"
           "Sorvel opens its own files and also plain .rtf files written by other programs, such "
           "as LibreOffice Writer or Microsoft Word. Note that when you save such a file from "
           "Sorvel, it is written in Sorvel's form. If the original must stay readable for "
           "another program, save your version under a new name with File > Save As.\n"
           "\n"
           "Exchanging documents:\n"
           "- If a document from Sorvel does not open in someone's word processor, open it in "
           "Sorvel, copy all of the text (Edit > Copy All Text To Clipboard, Ctrl+W), paste it "
           "into the word processor, and save it there.\n"
           "- The same works the other way: if a file does not open in Sorvel, open it in the "
           "program that made it, copy the text, and paste it into a new Sorvel document.\n"
           "- A document stores only the names of its fonts. Whoever reads it needs the same "
           "Pali font installed, or the Pali letters show as other characters.\n"
           "\n"
           "What a document keeps: the text, its fonts, sizes, bold, italic, underline, "
           "strike-out and colour, and the alignment, indents and bullets of its paragraphs. "
           "What Sorvel cannot show, such as tables, styles, headers and page layout, is lost "
           "when a file from another program is saved from Sorvel.\n";
}

std::string printingYourDocument() {
    return "File > Print (Ctrl+P) prints the active document, File > Print Preview shows the "
           "pages first, and File > Print Setup chooses the printer and paper.\n"
           "\n"
           "Printing in Sorvel is minimal: the text as it is, with margins of one inch (2.54 cm) "
           "on every side, and a new page wherever a page is full. There are no headers, footers "
           "or page numbers, and no page breaks of your own (see \"No Page Breaks\"). To get a "
           "PDF file instead of paper, choose printing to a file in the print dialog.\n"
           "\n"
           "For a better printout, use a word processor:\n"
           "1. Press Ctrl+W (Edit > Copy All Text To Clipboard).\n"
           "2. Paste the text into a new document of your word processor, for example "
           "LibreOffice Writer.\n"
           "3. Add page numbers, headers, page breaks and whatever else you need, and print "
           "from there.\n"
           "The Pali font goes along with the text, and as it is installed on this computer, "
           "the word processor shows and prints the Pali letters correctly.\n";
}

}  // namespace sorvel::helptext
