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

}  // namespace sorvel::command
