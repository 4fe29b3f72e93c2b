#include "recovery/RecoveryClaim.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "common/TextFiles.h"
#include "docformat/DocumentFile.h"

namespace sorvel {

namespace fs = std::filesystem;

RecoveryClaim::RecoveryClaim(std::vector<std::pair<std::string, InstanceLock>> folders,
                             std::string damagedFolder)
    : folders_(std::move(folders)), damagedFolder_(std::move(damagedFolder)) {
    for (const auto& [folder, lock] : folders_) {
        collect(folder);
    }
}

void RecoveryClaim::collect(const std::string& folder) {
    // The copies by id: which of their two files are there.
    std::set<std::string> documents, infos;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() == ".rtf") {
            documents.insert(p.stem().string());
        } else if (p.extension() == ".info") {
            infos.insert(p.stem().string());
        }
    }
    std::vector<RecoveryCopy> found;
    for (const std::string& id : infos) {
        RecoveryCopy copy{folder, id, {}};
        const std::optional<std::string> text = readWholeFile(copy.infoFile());
        std::optional<RecoveryInfo> info = text ? RecoveryInfo::parse(*text) : std::nullopt;
        if (info && documents.contains(id)) {
            copy.info = std::move(*info);
            found.push_back(std::move(copy));
        } else {
            setAside(copy);
        }
    }
    for (const std::string& id : documents) {
        if (!infos.contains(id)) {
            setAside(RecoveryCopy{folder, id, {}});
        }
    }
    // Oldest first, as they were opened.
    std::stable_sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.info.writtenAt < b.info.writtenAt;
    });
    copies_.insert(copies_.end(), found.begin(), found.end());
}

std::optional<RichText> RecoveryClaim::read(const RecoveryCopy& copy, std::string* error) {
    DocumentFile::Opened opened = DocumentFile::open(copy.documentFile());
    if (!opened) {
        if (error) {
            *error = opened.error.detail;
        }
        return std::nullopt;
    }
    return std::move(opened.document);
}

std::string RecoveryClaim::keepAside(const std::string& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        return {};
    }
    fs::create_directories(damagedFolder_, ec);
    const fs::path from(file);
    // Named after its folder too: ids repeat from one run to the next.
    const std::string base =
        damagedFolder_ + "/" + from.parent_path().filename().string() + "-" + from.stem().string();
    for (int n = 0; n < 1000; ++n) {
        std::string to = base;
        if (n > 0) {
            to += '-';
            to += std::to_string(n);
        }
        to += from.extension().string();
        if (fs::exists(to, ec)) {
            continue;
        }
        fs::rename(from, to, ec);
        return ec ? file : to;
    }
    return file;
}

void RecoveryClaim::setAside(const RecoveryCopy& copy) {
    std::erase_if(copies_, [&copy](const RecoveryCopy& c) {
        return c.folder == copy.folder && c.id == copy.id;
    });
    const std::string document = keepAside(copy.documentFile());
    const std::string info = keepAside(copy.infoFile());
    const std::string& kept = document.empty() ? info : document;
    damaged_.push_back(copy.info.title.empty() ? kept : copy.info.describe() + ", kept as " + kept);
    if (document == copy.documentFile() || info == copy.infoFile()) {
        kept_.insert(copy.folder);
    }
}

void RecoveryClaim::discard() {
    for (auto& [folder, lock] : folders_) {
        std::error_code ec;
        if (kept_.contains(folder)) {
            // A damaged copy that could not be moved stays where it is.
            for (const RecoveryCopy& copy : copies_) {
                if (copy.folder == folder) {
                    fs::remove(copy.documentFile(), ec);
                    fs::remove(copy.infoFile(), ec);
                }
            }
        } else {
            fs::remove_all(folder, ec);
        }
        lock.release();
    }
    folders_.clear();
    copies_.clear();
}

}  // namespace sorvel
