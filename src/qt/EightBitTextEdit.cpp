#include "qt/EightBitTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QUrl>
#include <algorithm>

#include "qt/QtClipboardData.h"
#include "qt/QtFormats.h"
#include "qt/QtText.h"
#include "qt/SelectionBar.h"
#include "translit/IdentifyPaliFont.h"

namespace sorvel {

namespace {

bool isBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == u'\n';
}

// The length of Qt text as the surface counts it.
long surfaceLength(const QString& text) {
    return text.size() + std::count_if(text.begin(), text.end(), isBreak);
}

// How many characters of `text` fit in `room` surface characters.
int fittingPrefix(const QString& text, long room) {
    int n = 0;
    for (; n < text.size(); ++n) {
        room -= isBreak(text.at(n)) ? 2 : 1;
        if (room < 0) {
            break;
        }
    }
    return n;
}

// Where words end for automatic word selection: white space and ASCII
// punctuation. Every byte above 127 is a letter of some Pali font (the
// no-break space is underdot t in one), so none of them ends a word.
bool isWordCharacter(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0x80) {
        return !isBreak(c);
    }
    if (u <= 0x20 || u == 0x7F) {
        return false;
    }
    const bool letterOrDigit =
        (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
    return letterOrDigit || u == u'\'' || u == u'-' || u == u'_';
}

}  // namespace

EightBitTextEdit::EightBitTextEdit(TransliterationState& state, QWidget* parent)
    : QTextEdit(parent), state_(state), bar_(new SelectionBar(*this)) {
    setViewportMargins(SelectionBar::kWidth, 0, 0, 0);
}

long EightBitTextEdit::textLength() const {
    // Every paragraph but the last ends in a break that counts two.
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

long EightBitTextEdit::room() const {
    const QTextCursor c = textCursor();
    const long selected = c.hasSelection() ? surfaceLength(c.selectedText()) : 0;
    return SurfaceRules::room(textLength(), selected, textLimit_);
}

bool EightBitTextEdit::fits(long incoming) const {
    return textLength() + incoming <= textLimit_ || incoming <= room();
}

void EightBitTextEdit::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    const QRect inside = contentsRect();
    bar_->setGeometry(inside.left(), inside.top(), SelectionBar::kWidth, inside.height());
}

FontDescription EightBitTextEdit::insertionFormat() const {
    return QtFormats::describe(textCursor().charFormat(), document()->defaultFont());
}

QMimeData* EightBitTextEdit::createMimeDataFromSelection() const {
    return QtClipboardData::fromSelection(textCursor());
}

bool EightBitTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    // Files dropped on the text are opened by the main window, not inserted
    // as their names.
    if (source && source->hasUrls()) {
        bool files = true;
        for (const QUrl& url : source->urls()) {
            files = files && url.isLocalFile();
        }
        if (files && !source->urls().isEmpty()) {
            return false;
        }
    }
    return QtClipboardData::canInsert(source);
}

void EightBitTextEdit::pasteAs(QtClipboardData::As as) {
    if (isReadOnly()) {
        return;
    }
    insertAs(QGuiApplication::clipboard()->mimeData(), as);
}

QtClipboardData::Insert EightBitTextEdit::clipboardInsert(const FontDescription& insertion) const {
    return QtClipboardData::toInsert(QGuiApplication::clipboard()->mimeData(), insertion, state_);
}

void EightBitTextEdit::insertFromMimeData(const QMimeData* source) {
    insertAs(source, QtClipboardData::As::Best);
}

void EightBitTextEdit::insertAs(const QMimeData* source, QtClipboardData::As as) {
    QtClipboardData::Insert in = QtClipboardData::toInsert(source, insertionFormat(), state_, as);
    if (!in.fragment && in.text.isEmpty()) {
        return;
    }
    const long room = this->room();
    if (room <= 0) {
        QApplication::beep();
        return;
    }
    const QString incoming = in.fragment ? in.fragment->toRawText() : in.text;
    if (!in.fragment && surfaceLength(incoming) > room) {
        in.text.truncate(fittingPrefix(incoming, room));
    } else if (in.fragment && surfaceLength(incoming) > room) {
        // Cut the fragment where the limit falls, keeping its formats.
        QTextDocument cut;
        QTextCursor tail(&cut);
        tail.insertFragment(*in.fragment);
        tail.setPosition(fittingPrefix(incoming, room));
        tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        tail.removeSelectedText();
        tail.select(QTextCursor::Document);
        in.fragment = QTextDocumentFragment(tail);
    }
    QTextCursor c = textCursor();
    c.beginEditBlock();
    if (in.fragment) {
        c.insertFragment(*in.fragment);
    } else {
        c.insertText(in.text);
    }
    c.endEditBlock();
    setTextCursor(c);
    ensureCursorVisible();
}

void EightBitTextEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        // A line break inside a paragraph has no place in the 8-bit text.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QTextEdit::keyPressEvent(&enter);
        event->setAccepted(enter.isAccepted());
        return;
    }
    const QString text = event->text();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool typed = !text.isEmpty() && !text.at(0).isNull() && text.at(0).unicode() >= 0x20;
    if ((typed || enter) && !isReadOnly() && !fits(enter ? 2 : surfaceLength(text))) {
        QApplication::beep();
        event->accept();
        return;
    }
    const PaliFontKind kind = identifyPaliFont(insertionFormat().faceName, state_);
    if (typed && !QtText::isClean(text, kind) && !isReadOnly()) {
        QTextCursor c = textCursor();
        c.insertText(QtText::clean(text, kind));
        setTextCursor(c);
        ensureCursorVisible();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void EightBitTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    const PaliFontKind kind = identifyPaliFont(insertionFormat().faceName, state_);
    const QString commit = event->commitString();
    const bool fits = this->fits(surfaceLength(commit));
    if (commit.isEmpty() || (fits && QtText::isClean(commit, kind))) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QString cleaned8 = QtText::clean(commit, kind);
    if (!fits) {
        cleaned8.truncate(fittingPrefix(cleaned8, std::max(0L, room())));
    }
    QInputMethodEvent cleaned(event->preeditString(), event->attributes());
    cleaned.setCommitString(cleaned8, event->replacementStart(), event->replacementLength());
    QTextEdit::inputMethodEvent(&cleaned);
    event->setAccepted(cleaned.isAccepted());
}

void EightBitTextEdit::mousePressEvent(QMouseEvent* event) {
    dragStart_ = -1;
    if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier)) {
        const int at = cursorForPosition(event->position().toPoint()).position();
        const QTextCursor c = textCursor();
        // A press on the selection may start dragging it away; leave that be.
        const bool onSelection =
            c.hasSelection() && at >= c.selectionStart() && at < c.selectionEnd();
        if (!onSelection) {
            dragStart_ = at;
        }
    }
    QTextEdit::mousePressEvent(event);
}

void EightBitTextEdit::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    if (dragStart_ >= 0 && (event->buttons() & Qt::LeftButton)) {
        selectWholeWords();
    }
}

void EightBitTextEdit::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    dragStart_ = -1;
}

void EightBitTextEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click selects by words on its own.
    dragStart_ = -1;
    QTextEdit::mouseDoubleClickEvent(event);
}

void EightBitTextEdit::selectWholeWords() {
    QTextCursor c = textCursor();
    const int at = c.position();
    const QTextBlock startBlock = document()->findBlock(dragStart_);
    const QString startText = startBlock.text();
    const int startBase = startBlock.position();
    int wordStart = dragStart_ - startBase;
    while (wordStart > 0 && isWordCharacter(startText.at(wordStart - 1))) {
        --wordStart;
    }
    int wordEnd = dragStart_ - startBase;
    while (wordEnd < startText.size() && isWordCharacter(startText.at(wordEnd))) {
        ++wordEnd;
    }
    wordStart += startBase;
    wordEnd += startBase;
    int anchor = dragStart_;
    int position = at;
    const QTextBlock block = document()->findBlock(at);
    const QString text = block.text();
    int i = at - block.position();
    if (at > wordEnd) {
        // Forward: from the first word's start to the end of the word reached.
        anchor = wordStart;
        if (i > 0 && isWordCharacter(text.at(i - 1))) {
            while (i < text.size() && isWordCharacter(text.at(i))) {
                ++i;
            }
        }
        position = block.position() + i;
    } else if (at < wordStart) {
        anchor = wordEnd;
        if (i < text.size() && isWordCharacter(text.at(i))) {
            while (i > 0 && isWordCharacter(text.at(i - 1))) {
                --i;
            }
        }
        position = block.position() + i;
    }
    if (anchor == c.anchor() && position == at) {
        return;
    }
    c.setPosition(anchor);
    c.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

}  // namespace sorvel
