#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/FontDescription.h"
#include "text/ParaFormat.h"
#include "text/RichText.h"

namespace sorvel {

// A range of character positions; start == end is the caret.
struct Selection {
    long start = 0;
    long end = 0;

    bool empty() const { return start == end; }
    long length() const { return end - start; }
    friend bool operator==(const Selection&, const Selection&) = default;
};

// The rich-text editing surface that all text logic acts on.
//
// Text is 8-bit (one byte per character, Windows-1252). A paragraph break is
// the two characters CR LF and counts as two positions, in the selection as in
// every string the surface returns, so a position is also an index into
// getWindowText(). No position ever falls between the CR and the LF of a
// break: the surface moves such a position to the start of the break (or, for
// the end of a non-empty selection, past it).
//
// Character formats are Font descriptions. A read over a selection sets a mask
// bit only where that property is the same over every selected character
// (paragraph breaks are not looked at unless nothing else is selected); at a
// caret it gives the insertion format with every mask bit set.
class RichEditSurface {
  public:
    virtual ~RichEditSurface() = default;

    virtual Selection getSel() const = 0;
    // Selects [start, end). An end of -1 (or past the text) means the end of
    // the text; setSel(0, -1) selects all.
    virtual void setSel(long start, long end) = 0;
    virtual std::string getSelText() const = 0;
    // Replaces the selection, or inserts at the caret. The new text takes the
    // format of the selection's first character (at a caret: the insertion
    // format); the caret ends after it. A lone CR or LF in `text` becomes a
    // paragraph break. A replacement not recorded for undo clears the undo
    // history, so that undo never acts on text that no longer matches.
    virtual void replaceSel(std::string_view text, bool undoable) = 0;

    virtual std::string getWindowText() const = 0;
    virtual void setWindowText(std::string_view text) = 0;
    virtual long getTextLength() const = 0;
    // The characters of [start, end), clipped to the text. Lets a caller read
    // a few characters without copying the whole text.
    virtual std::string getTextRange(long start, long end) const = 0;
    // The characters of [start, end) with their formats and the formats of
    // the paragraphs they touch, clipped to the text (an end of -1 is the end
    // of the text): what a copy of that range carries.
    virtual RichText getRichTextRange(long start, long end) const = 0;
    // Replaces the selection, or inserts at the caret, by rich text that keeps
    // its own formats, as one step of undo, the way a paste does: the
    // paragraphs that its breaks end keep their paragraph formats, and its
    // last paragraph joins the paragraph after it. The caret ends after it.
    virtual void replaceSelRich(const RichText& text) = 0;
    // The longest text the surface holds, a paragraph break counted as two:
    // where typing, a paste and a rich replacement stop.
    virtual long getLimitText() const = 0;

    virtual FontDescription getCharFormatSelection() const = 0;
    // Applies the masked properties to the selection; at a caret, only to the
    // insertion format (the text typed next).
    virtual void setCharFormat(const FontDescription& format) = 0;
    // Read at the first selected paragraph; a mask bit is set only where the
    // property is the same over all selected paragraphs.
    virtual ParaFormat getParaFormatSelection() const = 0;
    virtual void setParaFormat(const ParaFormat& format) = 0;

    virtual void clear() = 0;
    // Whether the clipboard holds anything that paste() would insert.
    virtual bool canPaste() const = 0;
    virtual void paste() = 0;
    // What paste() would put in place of the selection, as rich text and not
    // cut at the text limit: rich text keeps its own formats; plain text
    // comes in `plainFormat`, its paragraphs in the format of the paragraph
    // at the selection's start. Empty when the clipboard holds nothing the
    // surface can paste. Lets a command rework a paste before it goes in.
    virtual RichText getClipboardText(const FontDescription& plainFormat) const = 0;
    virtual void copy() = 0;
    virtual bool canUndo() const = 0;
    virtual void undo() = 0;
    // Redo gives back, one step at a time, what undo took back. Any other
    // change that is recorded for undo forgets what there was to redo; one
    // that is not recorded forgets both histories.
    virtual bool canRedo() const = 0;
    virtual void redo() = 0;

    virtual bool getModify() const = 0;
    virtual void setModify(bool modified) = 0;
    virtual void setBackgroundColor(uint32_t color) = 0;
    // Hands the key release being handled on to the surface's own processing.
    virtual void callDefault() = 0;
};

}  // namespace sorvel
