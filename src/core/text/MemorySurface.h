#pragma once

#include <memory>
#include <vector>

#include "text/MemoryClipboard.h"
#include "text/RichEditSurface.h"
#include "text/RichText.h"

namespace sorvel {

// The rich-edit surface held in memory: the same contract as the editor's
// surface, without any window. Used by the command-line tool and the tests.
class MemorySurface : public RichEditSurface {
  public:
    explicit MemorySurface(std::shared_ptr<MemoryClipboard> clipboard = nullptr,
                           const FontDescription& defaultFormat = RichText::standardFormat());

    Selection GetSel() const override { return sel_; }
    void SetSel(long start, long end) override;
    std::string GetSelText() const override;
    void ReplaceSel(std::string_view text, bool undoable) override;
    std::string GetWindowText() const override { return doc_.text(); }
    void SetWindowText(std::string_view text) override;
    long GetTextLength() const override { return doc_.length(); }
    std::string GetTextRange(long start, long end) const override;
    RichText GetRichTextRange(long start, long end) const override;
    void ReplaceSelRich(const RichText& text) override { replaceSelection(text, true); }
    FontDescription GetCharFormatSelection() const override;
    void SetCharFormat(const FontDescription& format) override;
    ParaFormat GetParaFormatSelection() const override;
    void SetParaFormat(const ParaFormat& format) override;
    void Clear() override;
    void Paste() override;
    void Copy() override;
    bool CanUndo() const override { return !undo_.empty(); }
    void Undo() override;
    bool GetModify() const override { return modified_; }
    void SetModify(bool modified) override { modified_ = modified; }
    void SetBackgroundColor(uint32_t color) override { background_ = color; }
    void Default() override { ++defaultCalls_; }

    // What the tests and the command-line tool look at besides the contract.
    const RichText& document() const { return doc_; }
    void setDocument(const RichText& text);
    MemoryClipboard& clipboard() { return *clipboard_; }
    int defaultCalls() const { return defaultCalls_; }
    uint32_t backgroundColor() const { return background_; }

  private:
    // One undo step: the text that [start, start + insertedLength) replaced.
    struct UndoStep {
        long start;
        long insertedLength;
        RichText removed;
    };

    FontDescription formatBeforeCaret() const;
    void replaceSelection(const RichText& piece, bool undoable);
    void record(long start, long insertedLength, bool undoable, RichText removed);

    RichText doc_;
    std::shared_ptr<MemoryClipboard> clipboard_;
    Selection sel_;
    FontDescription insertion_;
    std::vector<UndoStep> undo_;
    bool modified_ = false;
    uint32_t background_ = 0xFFFFFF;
    int defaultCalls_ = 0;
};

}  // namespace sorvel
