#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextDocument>
#include <memory>
#include <string>

#include "docformat/DocumentError.h"
#include "shell/ManagedDocument.h"

namespace sorvel {

class DocumentWindow;

// One open document: its text (shared by every window on it), its title and
// the file it came from or was saved to.
//
// A new document is titled as the document manager names it (RuvoVIR1,
// RuvoVIR2, ...); a document from a file takes the file's name. On disk a
// document is plain RTF or RTF inside a compound file; it remembers which
// form its file had, and what of the file it could not keep.
class Document : public QObject, public ManagedDocument {
    Q_OBJECT

  public:
    explicit Document(QObject* parent = nullptr);

    // A new empty document titled `title` (UTF-8).
    static std::unique_ptr<Document> makeNew(const std::string& title);
    // The document of a file; nothing, with the reason in `error`, when it
    // cannot be opened. `path` is made absolute. Unicode Pali that the
    // file's code pages cannot carry comes into `paliFont` (the default
    // Pali font; VriRomanPali CN when its face is empty).
    static std::unique_ptr<Document> open(const std::string& path, const FontDescription& paliFont,
                                          DocumentError& error);
    // A document restored from a recovery copy: `text`, belonging to the
    // file `path` (none for a document never saved), titled `title` (UTF-8),
    // marked as changed.
    static std::unique_ptr<Document> restore(const RichText& text, const std::string& path,
                                             const std::string& title);

    // Writes the document to `path` in the form `format`. On success the
    // document takes that path and title and counts as unchanged; on failure
    // the document and the file on disk stay as they were.
    DocumentError save(const std::string& path, DocumentFile::Format format) override;

    QTextDocument* text() { return &text_; }
    const QTextDocument* text() const { return &text_; }
    std::string title() const override { return title_.toStdString(); }
    // The file, absolute; empty for a document never saved.
    const std::string& path() const override { return path_; }
    bool isModified() const override { return text_.isModified(); }
    int windowCount() const override;
    std::uint64_t changeCount() const override { return changes_; }
    std::function<RichText()> snapshot() const override;

    // The open windows on the document, in the order they were opened.
    const QList<QPointer<DocumentWindow>>& windows() const { return windows_; }
    void addWindow(DocumentWindow* frame);
    // A window has closed (it is deleted a moment later).
    void detachWindow(DocumentWindow* frame);
    // A window is being deleted. When the last one goes, so does the
    // document, which its views show until then.
    void windowDestroyed(DocumentWindow* frame);
    // Each window's title: the document's, with ":n" when there are several,
    // and the mark of unsaved changes.
    void updateWindowTitles();
    // The title of one of its windows, without the mark.
    QString windowTitleOf(const DocumentWindow* frame) const;

  signals:
    void titleChanged();
    // The last window on the document has closed; the document is deleted
    // once the events of the moment are done.
    void closed(Document* doc);

  private:
    void setTitle(const QString& title);

    QTextDocument text_;
    QString title_;
    std::string path_;
    QList<QPointer<DocumentWindow>> windows_;
    int liveWindows_ = 0;
    std::uint64_t changes_ = 0;
};

}  // namespace sorvel
