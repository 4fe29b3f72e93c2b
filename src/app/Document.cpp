#include "app/Document.h"

#include <QFileInfo>

#include "app/DocumentWindow.h"
#include "app/ModifiedMark.h"
#include "common/TextFiles.h"
#include "docformat/DocumentFile.h"
#include "qt/LazyDocumentLayout.h"
#include "qt/QtRichText.h"
#include "qt/QtRichTextSnapshot.h"

namespace sorvel {

namespace {

QString fileTitle(const std::string& path) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
}

}  // namespace

Document::Document(QObject* parent) : QObject(parent) {
    // Set before any text comes in, so that Qt's layout, which would keep
    // the lines of every paragraph, is never made.
    text_.setDocumentLayout(new LazyDocumentLayout(&text_));
    text_.setUndoRedoEnabled(true);
    connect(&text_, &QTextDocument::contentsChanged, this, [this] { ++changes_; });
    // Every window of the document marks its unsaved changes; undoing back
    // to the saved text takes the mark away again.
    connect(&text_, &QTextDocument::modificationChanged, this, [this] {
        updateWindowTitles();
        emit titleChanged();
    });
}

std::unique_ptr<Document> Document::makeNew(const std::string& title) {
    auto doc = std::make_unique<Document>();
    doc->setTitle(QString::fromStdString(title));
    return doc;
}

std::unique_ptr<Document> Document::open(const std::string& path, const FontDescription& paliFont,
                                         DocumentError& error) {
    DocumentFile::Opened opened = DocumentFile::open(path, paliFont);
    if (!opened) {
        error = opened.error;
        return nullptr;
    }
    auto doc = std::make_unique<Document>();
    QtRichText::load(doc->text_, *opened.document);
    doc->setFileFormat(opened.format);
    doc->setLeftOut(std::move(opened.report));
    doc->path_ = absolutePath(path);
    doc->setTitle(fileTitle(doc->path_));
    error = DocumentError{};
    return doc;
}

std::unique_ptr<Document> Document::restore(const RichText& text, const std::string& path,
                                            const std::string& title) {
    auto doc = std::make_unique<Document>();
    QtRichText::load(doc->text_, text);
    doc->path_ = path;
    doc->setTitle(QString::fromStdString(title));
    doc->text_.setModified(true);
    // Saved, it goes back into the form its file has, so that a recovered
    // plain RTF file does not turn into a compound one, nor the other way;
    // and what the file holds that the document cannot keep is asked about
    // before saving over it, as for the document when it was opened.
    if (!path.empty()) {
        DocumentFile::Opened file = DocumentFile::open(path);
        if (file) {
            doc->setFileFormat(file.format);
            doc->setLeftOut(std::move(file.report));
        }
    }
    return doc;
}

std::function<RichText()> Document::snapshot() const {
    auto taken = std::make_shared<const QtRichTextSnapshot>(QtRichTextSnapshot::take(text_));
    return [taken] { return taken->build(); };
}

DocumentError Document::save(const std::string& path, DocumentFile::Format format) {
    const DocumentError error = DocumentFile::save(QtRichText::read(text_), path, format);
    if (error.ok()) {
        path_ = absolutePath(path);
        text_.setModified(false);
        setTitle(fileTitle(path_));
    }
    return error;
}

int Document::windowCount() const {
    int open = 0;
    for (DocumentWindow* frame : windows_) {
        open += frame ? 1 : 0;
    }
    return open;
}

void Document::addWindow(DocumentWindow* frame) {
    windows_.append(frame);
    ++liveWindows_;
    updateWindowTitles();
}

void Document::detachWindow(DocumentWindow* frame) {
    windows_.removeAll(frame);
    windows_.removeAll(nullptr);
    updateWindowTitles();
    if (windows_.isEmpty()) {
        emit closed(this);
    }
}

void Document::windowDestroyed(DocumentWindow* frame) {
    if (windows_.contains(frame)) {
        detachWindow(frame);
    }
    if (--liveWindows_ == 0) {
        deleteLater();
    }
}

void Document::updateWindowTitles() {
    for (DocumentWindow* frame : windows_) {
        if (frame) {
            frame->setWindowTitle(ModifiedMark::placeAfterInside(windowTitleOf(frame)));
            frame->setWindowModified(text_.isModified());
        }
    }
}

QString Document::windowTitleOf(const DocumentWindow* frame) const {
    if (windows_.size() < 2) {
        return title_;
    }
    int n = 0;
    for (const DocumentWindow* each : windows_) {
        if (each) {
            ++n;
        }
        if (each == frame) {
            break;
        }
    }
    return QStringLiteral("%1:%2").arg(title_).arg(n);
}

void Document::setTitle(const QString& title) {
    title_ = title;
    updateWindowTitles();
    emit titleChanged();
}

}  // namespace sorvel
