#include "view/EightBitTextEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include "translit/IdentifyPaliFont.h"
#include "view/QtClipboardData.h"
#include "view/QtFormats.h"
#include "view/QtText.h"

namespace sorvel {

EightBitTextEdit::EightBitTextEdit(TransliterationState& state, QWidget* parent)
    : QTextEdit(parent), state_(state) {}

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

void EightBitTextEdit::insertFromMimeData(const QMimeData* source) {
    insertAs(source, QtClipboardData::As::Best);
}

void EightBitTextEdit::insertAs(const QMimeData* source, QtClipboardData::As as) {
    const QtClipboardData::Insert in =
        QtClipboardData::toInsert(source, insertionFormat(), state_, as);
    if (!in.fragment && in.text.isEmpty()) {
        return;
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
    const PaliFontKind kind = identifyPaliFont(insertionFormat().faceName, state_);
    if (!text.isEmpty() && !text.at(0).isNull() && text.at(0).unicode() >= 0x20 &&
        !QtText::isClean(text, kind) && !isReadOnly()) {
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
    if (event->commitString().isEmpty() || QtText::isClean(event->commitString(), kind)) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cleaned(event->preeditString(), event->attributes());
    cleaned.setCommitString(QtText::clean(event->commitString(), kind), event->replacementStart(),
                            event->replacementLength());
    QTextEdit::inputMethodEvent(&cleaned);
    event->setAccepted(cleaned.isAccepted());
}

}  // namespace sorvel
