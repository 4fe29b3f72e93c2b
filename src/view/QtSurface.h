#pragma once

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <functional>

#include "view/RichEditSurface.h"

class QTextEdit;
class QTextDocument;

namespace sorvel {

// The rich-edit surface over a QTextEdit and its QTextDocument.
//
// A Qt document counts a paragraph separator as one position; the surface
// counts CR LF as two. Positions are mapped through the blocks: the surface
// position of a Qt position is that position plus the number of the block
// that holds it (each earlier block's break has one more character), so a
// mapping costs a few lookups in the document's block tree, whatever the
// size of the text.
//
// The selection is the edit's own cursor, so each view on a document has its
// own caret and insertion format.
class QtSurface : public RichEditSurface {
  public:
    // `defaultHandler` is what Default() runs: the control's own processing of
    // the key release being handled.
    explicit QtSurface(QTextEdit& edit, std::function<void()> defaultHandler = {});

    Selection GetSel() const override;
    void SetSel(long start, long end) override;
    std::string GetSelText() const override;
    void ReplaceSel(std::string_view text, bool undoable) override;
    std::string GetWindowText() const override;
    void SetWindowText(std::string_view text) override;
    long GetTextLength() const override;
    std::string GetTextRange(long start, long end) const override;
    FontDescription GetCharFormatSelection() const override;
    void SetCharFormat(const FontDescription& format) override;
    ParaFormat GetParaFormatSelection() const override;
    void SetParaFormat(const ParaFormat& format) override;
    void Clear() override;
    void Paste() override;
    void Copy() override;
    bool CanUndo() const override;
    void Undo() override;
    bool GetModify() const override;
    void SetModify(bool modified) override;
    void SetBackgroundColor(uint32_t color) override;
    void Default() override;

    void setDefaultHandler(std::function<void()> handler) { default_ = std::move(handler); }
    uint32_t backgroundColor() const { return background_; }
    QTextEdit& edit() const { return edit_; }

    // The surface position of a Qt position, and back.
    long toSurface(int qtPosition) const;
    // `up` decides where a position between the CR and the LF of a break goes:
    // past the break, or (down) to its start.
    int toQt(long position, bool up = false) const;

  private:
    // A surface position as a block and an offset into it; an offset one past
    // the block's text is the CR of its break, two past it the LF.
    struct Place {
        QTextBlock block;
        long offset;
    };

    QTextDocument& doc() const;
    Place place(long position) const;
    // The Qt text of [from, to) with paragraph separators, read through the
    // document so that no character is changed on the way.
    void appendQtRange(std::string& out, int from, int to) const;
    QTextCharFormat charFormatAt(int qtPosition) const;
    FontDescription describe(const QTextCharFormat& format) const;
    // Replaces the selection of `cursor` by 8-bit text in `format`.
    void replace(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format);
    void forgetUndo();

    QTextEdit& edit_;
    std::function<void()> default_;
    uint32_t background_ = 0xFFFFFF;
};

}  // namespace sorvel
