#pragma once

#include <QPointer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <array>
#include <functional>
#include <utility>

#include "text/RichEditSurface.h"

class QTextEdit;

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
    // `defaultHandler` is what callDefault() runs: the control's own processing of
    // the key release being handled.
    explicit QtSurface(QTextEdit& edit, std::function<void()> defaultHandler = {});
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    Selection getSel() const override;
    void setSel(long start, long end) override;
    std::string getSelText() const override;
    void replaceSel(std::string_view text, bool undoable) override;
    std::string getWindowText() const override;
    void setWindowText(std::string_view text) override;
    long getTextLength() const override;
    std::string getTextRange(long start, long end) const override;
    RichText getRichTextRange(long start, long end) const override;
    void replaceSelRich(const RichText& text) override;
    long getLimitText() const override;
    FontDescription getCharFormatSelection() const override;
    void setCharFormat(const FontDescription& format) override;
    ParaFormat getParaFormatSelection() const override;
    void setParaFormat(const ParaFormat& format) override;
    void clear() override;
    bool canPaste() const override;
    void paste() override;
    RichText getClipboardText(const FontDescription& plainFormat) const override;
    void copy() override;
    bool canUndo() const override;
    void undo() override;
    bool canRedo() const override;
    void redo() override;
    bool getModify() const override;
    void setModify(bool modified) override;
    void setBackgroundColor(uint32_t color) override;
    void callDefault() override;

    void setDefaultHandler(std::function<void()> handler) { default_ = std::move(handler); }
    uint32_t backgroundColor() const { return background_; }
    QTextEdit& edit() const { return edit_; }

    // The surface position of a Qt position, and back.
    long toSurface(int qtPosition) const;
    // `up` decides where a position between the CR and the LF of a break goes:
    // past the break, or (down) to its start.
    int toQt(long position, bool up = false) const;

  private:
    // A block as the surface sees it: where it starts in Qt and in surface
    // positions, and its length with its break.
    struct BlockInfo {
        QTextBlock block;
        int qtStart = 0;
        int number = 0;
        int length = 0;  // Qt characters, the break included
        bool last = false;

        long start() const { return qtStart + number; }
        int textLength() const { return length - 1; }
        // Surface positions up to the next block's start (the CR and LF of
        // the break count two, the last block has none).
        long surfaceLength() const { return last ? length - 1 : length + 1; }
    };
    // A surface position as a block and an offset into it; an offset one past
    // the block's text is the CR of its break, two past it the LF.
    struct Place {
        BlockInfo info;
        long offset;
    };
    // The blocks of the last two lookups, kept while the document changes
    // around them: a key release asks about the caret's paragraph (and, at a
    // paragraph's start, the one before it) several times.
    struct BlockCache {
        QPointer<QTextDocument> doc;  // null once that document is gone
        int blockCount = 0;
        std::array<BlockInfo, 2> entries;  // the most recent first
        std::array<bool, 2> valid{};
    };

    QTextDocument& doc() const;
    // The block that holds a Qt position, through the cache.
    const BlockInfo& blockAtQt(int qtPosition) const;
    const BlockInfo& remember(const QTextBlock& block) const;
    // The remembered block that holds a Qt position, or a surface position.
    const BlockInfo* cachedAtQt(int qtPosition) const;
    const BlockInfo* cachedAt(long position) const;
    // Keeps the remembered block right across an edit that leaves the number
    // of blocks alone (typing inside a paragraph), else forgets it.
    void follow(int from, int removed, int added) const;
    Place place(long position) const;
    // The Qt text of [from, to) with paragraph separators, read through the
    // document so that no character is changed on the way.
    void appendQtRange(std::string& out, int from, int to) const;
    QTextCharFormat charFormatAt(int qtPosition) const;
    FontDescription describe(const QTextCharFormat& format) const;
    // The first and last block numbers that the selection touches.
    std::pair<int, int> selectedParagraphs() const;
    // Replaces the selection of `cursor` by 8-bit text in `format`.
    void replace(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format);
    void forgetUndo();

    QTextEdit& edit_;
    std::function<void()> default_;
    mutable BlockCache cache_;
    mutable QMetaObject::Connection cacheWatch_;
    uint32_t background_ = 0xFFFFFF;
};

}  // namespace sorvel
