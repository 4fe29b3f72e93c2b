#pragma once

#include <string>

// The texts of the help topics, one function per topic. The texts are written
// with "\n" line ends, which the topic table turns into CR LF, and hold only
// Windows-1252 characters.
namespace sorvel::helptext {

// File menu and General Transliteration menu (HelpTextsTransliteration.cpp).
std::string usingTxtFiles();
std::string whatIsTransliteration();
std::string codesForAnyFont();
std::string whatAreTheExamples();
std::string customizeTransliteration();

// The first rows of the Help menu (HelpTextsGeneral.cpp).
std::string importantReadThis();
std::string installOrRemove();
std::string latestVersion();

// Special Pali features: typing (HelpTextsPaliEntry.cpp).
std::string easyPaliTextEntry();
std::string enteringPaliText();
std::string overdotM();
std::string supportedPaliFonts();
std::string whatFontRightNow();

// Special Pali features: conversions and the CSCD (HelpTextsPaliConversion.cpp).
std::string convertPaliFont();
std::string standardConversion();
std::string sktTimesFont();
std::string pasteFromCscd();
std::string findAndReplaceTip();

// Other Pali Resources, and the last rows of the Help menu (HelpTextsResources.cpp).
std::string paliwordsDictionary();
std::string usefulPaliResources();
std::string rightSpeech();
std::string howYouCanHelp();

// What documents cannot hold (HelpTextsUnicode.cpp, HelpTextsDocuments.cpp).
std::string noUnicodeSupport();
std::string noPageBreaks();

// Working with documents (HelpTextsDocuments.cpp).
std::string copyAndPaste();
std::string dragAndDrop();
std::string multipleDocuments();
std::string rtfFileFormat();
std::string printingYourDocument();

// For programmers (HelpTextsSourceCode.cpp).
std::string programSourceCode();

}  // namespace sorvel::helptext
