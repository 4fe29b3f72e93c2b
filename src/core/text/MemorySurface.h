#pragma once

#include <memory>
#include <vector>

#include "text/MemoryClipboard.h"
#include "text/RichEditSurface.h"
#include "text/RichText.h"
#include "text/SurfaceRules.h"

namespace sorvel {

// The rich-edit surface held in memory: the same contract as the editor's
// surface, without any window. Used by the command-line tool and the tests.
class MemorySurface : public RichEditSurface {
  public:
    explicit MemorySurface(std::shared_ptr<MemoryClipboard> clipboard = nullptr,
                           const FontDescription& defaultFormat = RichText::standardFormat());

    Selection getSel() const override { return sel_; }
    void setSel(long start, long end) override;
    std::string getSelText() const override;
    void replaceSel(std::string_view text, bool undoable) override;
    std::string getWindowText() const override { return doc_.text(); }
    void setWindowText(std::string_view text) override;
    long getTextLength() const override { return doc_.length(); }
    std::string getTextRange(long start, long end) const override;
    RichText getRichTextRange(long start, long end) const override;
    // Like a paste, stops at the text limit.
    void replaceSelRich(const RichText& text) override;
    long getLimitText() const override { return textLimit_; }
    FontDescription getCharFormatSelection() const override;
    void setCharFormat(const FontDescription& format) override;
    ParaFormat getParaFormatSelection() const override;
    void setParaFormat(const ParaFormat& format) override;
    void clear() override;
    bool canPaste() const override { return clipboard_->rich() || clipboard_->plain(); }
    void paste() override;
    RichText getClipboardText(const FontDescription& plainFormat) const override;
    void copy() override;
    bool canUndo() const override { return !undo_.empty(); }
    void undo() override;
    bool canRedo() const override { return !redo_.empty(); }
    void redo() override;
    bool getModify() const override { return modified_; }
    void setModify(bool modified) override { modified_ = modified; }
    void setBackgroundColor(uint32_t color) override { background_ = color; }
    void callDefault() override { ++defaultCalls_; }

    // What the tests and the command-line tool look at besides the contract.
    const RichText& document() const { return doc_; }
    void setDocument(const RichText& text);
    MemoryClipboard& clipboard() { return *clipboard_; }
    int defaultCalls() const { return defaultCalls_; }
    // The longest text that a paste or rich replacement fills the text up to.
    void setTextLimit(long limit) { textLimit_ = limit; }
    uint32_t backgroundColor() const { return background_; }

  private:
    // One undo (or redo) step: the text that [start, start + insertedLength)
    // replaced.
    struct UndoStep {
        long start;
        long insertedLength;
        RichText removed;
    };

    FontDescription formatBeforeCaret() const;
    std::pair<int, int> selectedParagraphs() const;
    void replaceSelection(const RichText& piece, bool undoable);
    void record(long start, long insertedLength, bool undoable, RichText removed);
    // Takes the last step of `from` back and records its reverse in `to`.
    void revert(std::vector<UndoStep>& from, std::vector<UndoStep>& to);

    RichText doc_;
    std::shared_ptr<MemoryClipboard> clipboard_;
    Selection sel_;
    FontDescription insertion_;
    std::vector<UndoStep> undo_;
    std::vector<UndoStep> redo_;
    bool modified_ = false;
    uint32_t background_ = 0xFFFFFF;
    int defaultCalls_ = 0;
    long textLimit_ = SurfaceRules::kTextLimit;
};

}  // namespace sorvel
