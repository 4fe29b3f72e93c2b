#pragma once

namespace sorvel {

// A rectangle of a dialog layout: in dialog units, or in pixels once converted.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

// Dialog units, the measure of dialog layouts that grows with the dialog's
// font: a horizontal unit is a quarter of the font's average character width,
// a vertical unit an eighth of its height. So a layout keeps its proportions
// to its text whatever font the desktop gives the dialog.
class DialogUnits {
  public:
    // `baseX`: the average character width in pixels; `baseY`: the character
    // height in pixels. Values below 1 are taken as 1.
    DialogUnits(int baseX, int baseY);

    // The base units of a font, from the width in pixels of the 52 letters
    // "A" to "Z" and "a" to "z" written in it and its height in pixels. A font
    // that measures nothing (no fonts at all) gets the classic 8-point dialog
    // font's units, 6 and 13.
    static DialogUnits fromFont(int alphabetWidth, int height);

    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }

    // Dialog units to pixels, rounded to the nearest pixel.
    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    DialogRect toPixels(const DialogRect& units) const;

  private:
    int baseX_;
    int baseY_;
};

}  // namespace sorvel
