#pragma once

namespace sorvel::command {

// Command identifiers of the editor view, as the menus, the toolbar and the
// accelerators name them.
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
inline constexpr int ChangeDefaultPaliFont = 32832;
inline constexpr int TogglePaliEntry = 32833;
inline constexpr int ChangeSelectionFont = 32838;
inline constexpr int CopyAllText = 32841;
inline constexpr int SetDefaultFont = 57696;

}  // namespace sorvel::command
