#pragma once

namespace sorvel::command {

// Command identifiers of the editor view, as the menus, the toolbar and the
// accelerators name them.
inline constexpr int ConvertPaliFont = 32783;
inline constexpr int PasteFromCscd = 32784;
inline constexpr int Bold = 32773;
inline constexpr int Italic = 32774;
inline constexpr int Underline = 32777;
inline constexpr int StrikeOut = 32778;
inline constexpr int AlignLeft = 32779;
inline constexpr int AlignCenter = 32780;
inline constexpr int AlignRight = 32781;
inline constexpr int Bullets = 32782;
inline constexpr int IncreaseIndent = 32790;
inline constexpr int DecreaseIndent = 32791;
inline constexpr int CreateTable = 32814;
inline constexpr int SaveTable = 32815;
inline constexpr int LoadTable = 32816;
inline constexpr int UnloadTable = 32817;
inline constexpr int TableInstructions = 32820;
inline constexpr int ExampleNorwegian = 32822;
inline constexpr int ExampleSinhalese = 32823;
inline constexpr int ExampleWestern = 32824;
inline constexpr int FontCodeReference = 32827;
inline constexpr int ToggleUserTable = 32830;
inline constexpr int ChangeDefaultPaliFont = 32832;
inline constexpr int TogglePaliEntry = 32833;
inline constexpr int OpenTableForEditing = 32836;
inline constexpr int ChangeSelectionFont = 32838;
inline constexpr int CopyAllText = 32841;
inline constexpr int PaliFontToStandard = 32845;
inline constexpr int StandardToPaliFont = 32846;
inline constexpr int SetDefaultFont = 57696;
// Unicode at the editor's doors.
inline constexpr int CopyAsUnicode = 32860;
inline constexpr int PasteUnicodePali = 32861;
inline constexpr int ExportAsUnicode = 32862;
inline constexpr int ChangeUnicodeFont = 32863;

// The shell's commands: documents, editing, windows, printing.
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintDirect = 57608;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int RecentFirst = 57616;
inline constexpr int RecentLast = 57631;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditFind = 57636;
inline constexpr int EditPaste = 57637;
inline constexpr int EditPasteSpecial = 57639;
inline constexpr int EditFindNext = 57640;
inline constexpr int EditReplace = 57641;
inline constexpr int EditSelectAll = 57642;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int WindowNew = 57648;
inline constexpr int WindowArrange = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int NextPane = 57680;
inline constexpr int PreviousPane = 57681;
inline constexpr int InsertObject = 57856;
inline constexpr int EditLinks = 57857;
inline constexpr int ObjectProperties = 57860;
inline constexpr int ObjectVerbs = 57872;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int RightSpeech = 32851;
// The help topic "Important! Please read this!".
inline constexpr int ReadThisFirst = 32806;

}  // namespace sorvel::command
