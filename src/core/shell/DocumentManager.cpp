#include "shell/DocumentManager.h"

#include <algorithm>
#include <filesystem>

#include "common/AsciiCase.h"
#include "common/TextFiles.h"
#include "editor/Platform.h"
#include "shell/CommandTable.h"
#include "shell/DocumentHost.h"
#include "shell/DocumentRecovery.h"
#include "shell/ManagedDocument.h"
#include "shell/RecentFileStore.h"

namespace sorvel {

namespace {

// The file dialog of Open, and of Save and Save As. Saving offers the two
// forms a document can take, plain RTF first: the type chosen decides the
// form (formOfType), and "All Files" writes plain RTF.
FileDialogRequest documentDialog(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.filters = {{std::string(DocumentManager::kRtfType), "*.rtf"}};
    if (save) {
        request.filters.push_back({std::string(DocumentManager::kCompoundType), "*.rtf"});
    }
    request.filters.push_back({"All Files", "*"});
    request.defaultExtension = "rtf";
    return request;
}

DocumentFile::Format formOfType(std::size_t filter) {
    return filter == 1 ? DocumentFile::Format::Compound : DocumentFile::Format::Rtf;
}

std::string fileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// A name saved without an extension gets ".rtf".
std::string withDefaultExtension(const std::string& path) {
    if (std::filesystem::path(path).filename().string().find('.') == std::string::npos) {
        return path + ".rtf";
    }
    return path;
}

}  // namespace

DocumentManager::DocumentManager(Platform& platform, DocumentHost& host, RecentFileStore* store)
    : platform_(platform), host_(host), store_(store), recent_(kRecentFileCount) {
    if (store_) {
        recent_.assign(store_->loadRecentFiles());
    }
}

// --- opening -----------------------------------------------------------------

ManagedDocument& DocumentManager::newDocument() {
    const std::string number = std::to_string(++documentCount_);
    return show(host_.createDocument(std::string(kNewDocumentName) + number));
}

ManagedDocument* DocumentManager::open(const std::string& path) {
    const std::string full = absolutePath(path);
    for (ManagedDocument* doc : documents_) {
        if (doc->path() == full) {
            host_.activate(*doc);
            return doc;
        }
    }
    // Taken before the file is read: a change made while it is read shows
    // as a change at the next save, rather than going unnoticed.
    const std::optional<FileStamp> stamp = FileStamp::of(full);
    DocumentError error;
    ManagedDocument* doc = host_.readDocument(path, error);
    if (!doc) {
        platform_.messageBox(openFailureMessage(error));
        return nullptr;
    }
    doc->setFileStamp(stamp);
    addRecentFile(doc->path());
    show(*doc);
    tellWhatWasLeftOut(*doc);
    return doc;
}

std::size_t DocumentManager::openFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        newDocument();
        return 0;
    }
    std::size_t opened = 0;
    for (const std::string& path : paths) {
        opened += open(path) ? 1 : 0;
    }
    return opened;
}

ManagedDocument* DocumentManager::openChosen() {
    const std::optional<std::string> path = platform_.chooseFile(documentDialog(false));
    return path ? open(*path) : nullptr;
}

ManagedDocument* DocumentManager::openRecent(std::size_t index) {
    if (index >= recent_.files().size()) {
        return nullptr;
    }
    const std::string path = recent_.files()[index];
    ManagedDocument* doc = open(path);
    if (!doc) {
        // A file that cannot be opened leaves the list.
        recent_.remove(index);
        recentFilesChanged();
    }
    return doc;
}

void DocumentManager::newWindow(ManagedDocument& doc) {
    host_.openWindow(doc);
}

ManagedDocument& DocumentManager::restore(const RichText& text, const std::string& path,
                                          const std::string& title,
                                          const std::optional<FileStamp>& stamp) {
    ManagedDocument& doc = host_.restoreDocument(text, path, title);
    doc.setFileStamp(stamp);
    // A restored RuvoVIRn keeps its number; new documents count on from it.
    const std::string_view name(kNewDocumentName);
    if (path.empty() && title.size() > name.size() && title.starts_with(name) &&
        title.find_first_not_of("0123456789", name.size()) == std::string::npos &&
        title.size() - name.size() < 9) {
        documentCount_ = std::max(documentCount_, std::stoi(title.substr(name.size())));
    }
    return show(doc);
}

ManagedDocument& DocumentManager::show(ManagedDocument& doc) {
    documents_.push_back(&doc);
    host_.openWindow(doc);
    return doc;
}

// --- saving ------------------------------------------------------------------

bool DocumentManager::save(ManagedDocument& doc, bool askName) {
    std::string path = doc.path();
    DocumentFile::Format format = doc.fileFormat();
    if (askName || path.empty()) {
        FileDialogRequest request = documentDialog(true);
        request.initialName = path.empty() ? doc.title() : path;
        const std::optional<FileChoice> chosen = platform_.chooseFileAndType(request);
        if (!chosen) {
            return false;
        }
        path = withDefaultExtension(chosen->path);
        format = formOfType(chosen->filter);
    }
    if (!mayWriteOver(doc, path) || !mayDropLostContent(doc, path)) {
        return false;
    }
    const DocumentError error = doc.save(path, format);
    if (!error.ok()) {
        platform_.messageBox(error.message());
        return false;
    }
    doc.setFileStamp(FileStamp::of(doc.path()));
    doc.setFileFormat(format);
    doc.setLeftOut({});
    addRecentFile(doc.path());
    if (recovery_) {
        recovery_->documentSaved(doc);
    }
    return true;
}

bool DocumentManager::mayWriteOver(ManagedDocument& doc, const std::string& path) {
    if (doc.path().empty() || !doc.fileStamp() || absolutePath(path) != doc.path()) {
        return true;
    }
    const std::optional<FileStamp> now = FileStamp::of(doc.path());
    // A file that is gone has nothing to lose.
    if (!now || *now == *doc.fileStamp()) {
        return true;
    }
    // File names are UTF-8; No by default, since Yes throws the other
    // program's work away.
    return platform_.askYesNoUtf8(doc.path() + " has been changed by another program. Save anyway?",
                                  Answer::No);
}

// --- files other programs wrote ----------------------------------------------

void DocumentManager::tellWhatWasLeftOut(const ManagedDocument& doc) {
    const DocumentReport& report = doc.leftOut();
    const long paliLetters = report.count(DocumentReport::Formatting::PaliFont);
    if (!report.lostContent() && paliLetters == 0) {
        return;
    }
    const std::string name = fileNameOf(doc.path());
    std::string text;
    if (report.lostContent()) {
        text = "Sorvel cannot keep everything that " + name +
               " holds. Left out: " + report.describeContent() + ".";
    }
    if (paliLetters > 0) {
        const std::string face = report.paliFace().empty()
                                     ? std::string(DocumentFile::kDefaultPaliFace)
                                     : report.paliFace();
        text += (text.empty() ? "In " + name + ", " : "\n\nAlso, ") + std::to_string(paliLetters) +
                (paliLetters == 1 ? " Pali letter" : " Pali letters") +
                " given in Unicode came into the Pali font " + face + ".";
    }
    if (report.lostContent()) {
        text +=
            "\n\nThe file itself is unchanged. Saving over it asks first; File > Save As "
            "under another name leaves it as it is.";
    }
    platform_.messageBoxUtf8(text);
}

bool DocumentManager::mayDropLostContent(const ManagedDocument& doc, const std::string& path) {
    // Another file holds nothing of the old one to lose.
    if (!doc.leftOut().lostContent() || doc.path().empty() || absolutePath(path) != doc.path()) {
        return true;
    }
    return platform_.askYesNoUtf8(fileNameOf(doc.path()) +
                                      " was opened with content that Sorvel cannot keep (" +
                                      doc.leftOut().describeContent() +
                                      "). Saving will replace the file without it. Save anyway?",
                                  Answer::No);
}

// --- closing -----------------------------------------------------------------

std::string DocumentManager::openFailureMessage(const DocumentError& error) {
    std::string text = error.message();
    if (error.kind != DocumentError::Kind::UnexpectedFormat) {
        return text;
    }
    const std::filesystem::path file(error.path);
    text += "\n\n" + file.filename().string() + " is neither a Sorvel document nor an RTF file.";
    if (equalsIgnoringAsciiCase(file.extension().string(), ".txt")) {
        text +=
            "\n\nTo open a plain text file, such as a transliteration table, choose General "
            "Transliteration > Open a Transliteration Table for Editing.";
    }
    return text;
}

bool DocumentManager::confirmClose(ManagedDocument& doc) {
    if (!doc.isModified()) {
        return true;
    }
    // The question names the document; its window comes to the front, so
    // that the user sees which one is meant.
    host_.activate(doc);
    switch (platform_.askYesNoCancel("Save changes to " + doc.title() + "?")) {
        case Answer::Yes:
            return save(doc, false);
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

void DocumentManager::close(ManagedDocument& doc) {
    if (confirmClose(doc)) {
        closeWindows(doc);
    }
}

bool DocumentManager::mayCloseWindow(ManagedDocument& doc) {
    return closing_ || doc.windowCount() > 1 || confirmClose(doc);
}

bool DocumentManager::closeAll() {
    const std::vector<ManagedDocument*> open = documents_;
    for (ManagedDocument* doc : open) {
        if (!confirmClose(*doc)) {
            return false;
        }
    }
    for (ManagedDocument* doc : open) {
        closeWindows(*doc);
    }
    return true;
}

void DocumentManager::closeWindows(ManagedDocument& doc) {
    // The windows close without asking again.
    const bool wasClosing = closing_;
    closing_ = true;
    host_.closeWindows(doc);
    closing_ = wasClosing;
}

void DocumentManager::documentClosed(ManagedDocument& doc) {
    std::erase(documents_, &doc);
    if (recovery_) {
        recovery_->documentClosed(doc);
    }
}

ManagedDocument* DocumentManager::activeDocument() const {
    return host_.activeDocument();
}

// --- recent files ------------------------------------------------------------

void DocumentManager::addRecentFile(const std::string& path) {
    recent_.add(path);
    recentFilesChanged();
}

void DocumentManager::recentFilesChanged() {
    host_.showRecentFiles(recent_);
    if (store_) {
        store_->storeRecentFiles(recent_.files());
    }
}

}  // namespace sorvel
