#include "app/CSorvelDoc.h"

#include <QFileInfo>
#include <filesystem>

#include "app/CChildFrame.h"
#include "docformat/DocumentFile.h"
#include "qt/QtRichText.h"

namespace sorvel {

namespace {

std::string absolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

QString fileTitle(const std::string& path) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
}

}  // namespace

CSorvelDoc::CSorvelDoc(QObject* parent) : QObject(parent) {
    text_.setUndoRedoEnabled(true);
}

std::unique_ptr<CSorvelDoc> CSorvelDoc::makeNew(int number) {
    auto doc = std::make_unique<CSorvelDoc>();
    doc->setTitle(QStringLiteral("%1%2").arg(QLatin1String(kDocumentName)).arg(number));
    return doc;
}

std::unique_ptr<CSorvelDoc> CSorvelDoc::open(const std::string& path, DocumentError& error) {
    DocumentFile::Opened opened = DocumentFile::open(path);
    if (!opened) {
        error = opened.error;
        return nullptr;
    }
    auto doc = std::make_unique<CSorvelDoc>();
    QtRichText::load(doc->text_, *opened.document);
    doc->path_ = absolute(path);
    doc->setTitle(fileTitle(doc->path_));
    error = DocumentError{};
    return doc;
}

DocumentError CSorvelDoc::save(const std::string& path) {
    const DocumentError error =
        DocumentFile::save(QtRichText::read(text_), path, DocumentFile::Format::Compound);
    if (error.ok()) {
        path_ = absolute(path);
        text_.setModified(false);
        setTitle(fileTitle(path_));
    }
    return error;
}

void CSorvelDoc::addFrame(CChildFrame* frame) {
    frames_.append(frame);
    ++liveFrames_;
    updateFrameTitles();
}

void CSorvelDoc::detachFrame(CChildFrame* frame) {
    frames_.removeAll(frame);
    frames_.removeAll(nullptr);
    updateFrameTitles();
    if (frames_.isEmpty()) {
        emit closed(this);
    }
}

void CSorvelDoc::frameDestroyed(CChildFrame* frame) {
    if (frames_.contains(frame)) {
        detachFrame(frame);
    }
    if (--liveFrames_ == 0) {
        deleteLater();
    }
}

void CSorvelDoc::updateFrameTitles() {
    int n = 0;
    for (CChildFrame* frame : frames_) {
        if (!frame) {
            continue;
        }
        ++n;
        frame->setWindowTitle(frames_.size() > 1 ? QStringLiteral("%1:%2").arg(title_).arg(n)
                                                 : title_);
    }
}

void CSorvelDoc::setTitle(const QString& title) {
    title_ = title;
    updateFrameTitles();
    emit titleChanged();
}

}  // namespace sorvel
