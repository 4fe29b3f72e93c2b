#include "docformat/CompoundFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>

#include "common/AsciiCase.h"
#include "docformat/GsfLibrary.h"

namespace sorvel {

namespace {

constexpr std::array<unsigned char, 8> kSignature = {0xD0, 0xCF, 0x11, 0xE0,
                                                     0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::size_t kChunk = 1 << 16;

// The library's log handlers are process-wide, so one compound-file
// operation runs at a time.
std::mutex& libraryMutex() {
    static std::mutex mutex;
    return mutex;
}

// Turns the warnings and criticals that libgsf and glib log while a
// compound file is read or written into a failure of that operation, instead
// of noise on the console.
class LogCapture {
  public:
    explicit LogCapture(const GsfLibrary& gsf) : gsf_(gsf) {
        const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL |
                                                        G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION);
        for (std::size_t i = 0; i < kDomains.size(); ++i) {
            ids_[i] = gsf_.log_set_handler(kDomains[i], levels, &LogCapture::handle, this);
        }
    }
    ~LogCapture() {
        for (std::size_t i = 0; i < kDomains.size(); ++i) {
            gsf_.log_remove_handler(kDomains[i], ids_[i]);
        }
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    bool failed() const { return failed_; }
    const std::string& message() const { return message_; }

  private:
    static void handle(const gchar* domain, GLogLevelFlags, const gchar* message, gpointer self) {
        auto* capture = static_cast<LogCapture*>(self);
        if (!capture->failed_) {
            capture->message_ = std::string(domain ? domain : "glib") + ": " +
                                (message ? message : "an error was logged");
        }
        capture->failed_ = true;
    }

    // Some of libgsf logs without a domain of its own (nullptr).
    static constexpr std::array<const char*, 6> kDomains = {nullptr, "libgsf",       "libgsf:msole",
                                                            "GLib",  "GLib-GObject", "GLib-GIO"};
    const GsfLibrary& gsf_;
    std::array<guint, kDomains.size()> ids_{};
    bool failed_ = false;
    std::string message_;
};

void setError(std::string* error, std::string text) {
    if (error) {
        *error = std::move(text);
    }
}

std::string takeError(const GsfLibrary& gsf, GError*& err, const char* fallback) {
    std::string text = err && err->message ? err->message : fallback;
    if (err) {
        gsf.error_free(err);
        err = nullptr;
    }
    return text;
}

// The root of a compound file held in `bytes`, or nullptr.
GsfInfile* openRoot(const GsfLibrary& gsf, std::string_view bytes, std::string* error) {
    GsfInput* input = gsf.input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                           static_cast<gsf_off_t>(bytes.size()), FALSE);
    if (!input) {
        setError(error, "cannot read the compound file");
        return nullptr;
    }
    GError* err = nullptr;
    GsfInfile* root = gsf.infile_msole_new(input, &err);
    gsf.object_unref(input);  // the root holds its own reference
    const std::string why = takeError(gsf, err, "not a compound file");
    if (!root) {
        setError(error, why);
    }
    return root;
}

bool isStream(const GsfLibrary& gsf, GsfInput* child) {
    // Storages are infiles with children; a stream reports -1.
    auto* instance = reinterpret_cast<GTypeInstance*>(child);
    return !gsf.type_check_instance_is_a(instance, gsf.infile_get_type()) ||
           gsf.infile_num_children(reinterpret_cast<GsfInfile*>(child)) < 0;
}

}  // namespace

bool CompoundFile::isCompound(std::string_view bytes) {
    return bytes.size() >= kSignature.size() &&
           std::memcmp(bytes.data(), kSignature.data(), kSignature.size()) == 0;
}

std::optional<std::string> CompoundFile::readContents(std::string_view bytes, std::string* error) {
    const GsfLibrary* library = GsfLibrary::get(error);
    if (!library) {
        return std::nullopt;
    }
    const GsfLibrary& gsf = *library;
    std::lock_guard<std::mutex> lock(libraryMutex());
    LogCapture log(gsf);
    GsfInfile* root = openRoot(gsf, bytes, error);
    if (!root) {
        return std::nullopt;
    }
    // Another program may have written the name in other cases; the library
    // looks names up case-sensitively, so walk the entries.
    const int count = gsf.infile_num_children(root);
    GsfInput* stream = nullptr;
    for (int pass = 0; pass < 2 && !stream; ++pass) {
        for (int i = 0; i < count && !stream; ++i) {
            const char* name = gsf.infile_name_by_index(root, i);
            if (!name || (pass == 0 ? std::strcmp(name, kContentsStream) != 0
                                    : !equalsIgnoringAsciiCase(name, kContentsStream))) {
                continue;
            }
            GsfInput* child = gsf.infile_child_by_index(root, i);
            if (child && isStream(gsf, child)) {
                stream = child;
            } else if (child) {
                gsf.object_unref(child);
            }
        }
    }
    std::optional<std::string> result = std::string();
    if (stream) {
        const gsf_off_t size = gsf.input_size(stream);
        // A stream lies inside its file; a larger size is a lie of a corrupt file.
        if (size < 0 || static_cast<uint64_t>(size) > bytes.size()) {
            setError(error, "the \"Contents\" stream claims more bytes than the file has");
            result.reset();
        } else {
            std::string data(static_cast<std::size_t>(size), '\0');
            std::size_t done = 0;
            while (done < data.size()) {
                const std::size_t n = std::min(kChunk, data.size() - done);
                if (!gsf.input_read(stream, n, reinterpret_cast<guint8*>(data.data() + done))) {
                    setError(error, "cannot read the \"Contents\" stream");
                    result.reset();
                    break;
                }
                done += n;
            }
            if (result) {
                result = std::move(data);
            }
        }
        gsf.object_unref(stream);
    }
    gsf.object_unref(root);
    if (log.failed()) {
        setError(error, log.message());
        return std::nullopt;
    }
    return result;
}

std::optional<std::vector<std::string>> CompoundFile::rootNames(std::string_view bytes) {
    const GsfLibrary* library = GsfLibrary::get(nullptr);
    if (!library) {
        return std::nullopt;
    }
    const GsfLibrary& gsf = *library;
    std::lock_guard<std::mutex> lock(libraryMutex());
    LogCapture log(gsf);
    GsfInfile* root = openRoot(gsf, bytes, nullptr);
    if (!root) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    const int count = gsf.infile_num_children(root);
    for (int i = 0; i < count; ++i) {
        const char* name = gsf.infile_name_by_index(root, i);
        names.emplace_back(name ? name : "");
    }
    gsf.object_unref(root);
    if (log.failed()) {
        return std::nullopt;
    }
    return names;
}

bool CompoundFile::write(const Streams& streams, const Sink& sink, std::string* error) {
    const GsfLibrary* library = GsfLibrary::get(error);
    if (!library) {
        return false;
    }
    const GsfLibrary& gsf = *library;
    std::lock_guard<std::mutex> lock(libraryMutex());
    LogCapture log(gsf);
    GsfOutput* memory = gsf.output_memory_new();
    GsfOutfile* root = gsf.outfile_msole_new(memory);
    bool ok = root != nullptr;
    for (const auto& [name, data] : streams) {
        if (!ok) {
            break;
        }
        GsfOutput* child = gsf.outfile_new_child(root, name.c_str(), FALSE);
        if (!child) {
            ok = false;
            break;
        }
        for (std::size_t done = 0; ok && done < data.size();) {
            const std::size_t n = std::min(kChunk, data.size() - done);
            ok = gsf.output_write(child, n, reinterpret_cast<const guint8*>(data.data() + done));
            done += n;
        }
        ok = gsf.output_close(child) && ok;
        gsf.object_unref(child);
    }
    if (root) {
        ok = gsf.output_close(reinterpret_cast<GsfOutput*>(root)) && ok;
        gsf.object_unref(root);
    }
    bool handed = false;
    if (ok && !log.failed()) {
        const guint8* data =
            gsf.output_memory_get_bytes(reinterpret_cast<GsfOutputMemory*>(memory));
        const gsf_off_t size = gsf.output_size(memory);
        handed = sink(data && size > 0 ? std::string_view(reinterpret_cast<const char*>(data),
                                                          static_cast<std::size_t>(size))
                                       : std::string_view());
    } else {
        setError(error, log.failed() ? log.message() : "cannot write the compound file");
    }
    if (!gsf.output_is_closed(memory)) {
        gsf.output_close(memory);
    }
    gsf.object_unref(memory);
    return handed;
}

std::optional<std::string> CompoundFile::write(const Streams& streams, std::string* error) {
    std::optional<std::string> result;
    const auto keep = [&](std::string_view bytes) {
        result.emplace(bytes);
        return true;
    };
    return write(streams, keep, error) ? result : std::nullopt;
}

std::optional<std::string> CompoundFile::writeContents(std::string_view contents,
                                                       std::string* error) {
    return write({{kContentsStream, contents}}, error);
}

bool CompoundFile::writeContents(std::string_view contents, const Sink& sink, std::string* error) {
    return write({{kContentsStream, contents}}, sink, error);
}

}  // namespace sorvel
