#include "docformat/CompoundFile.h"

#include <glib.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>

namespace sorvel {

namespace {

constexpr std::array<unsigned char, 8> kSignature = {0xD0, 0xCF, 0x11, 0xE0,
                                                     0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::size_t kChunk = 1 << 16;

// The library is set up once; its log handlers are process-wide, so one
// compound-file operation runs at a time.
std::mutex& libraryMutex() {
    static std::mutex mutex;
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
    return mutex;
}

// Turns the warnings and criticals that libgsf and glib log while a
// compound file is read or written into a failure of that operation, instead
// of noise on the console.
class LogCapture {
  public:
    LogCapture() {
        const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL |
                                                        G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION);
        for (std::size_t i = 0; i < kDomains.size(); ++i) {
            ids_[i] = g_log_set_handler(kDomains[i], levels, &LogCapture::handle, this);
        }
    }
    ~LogCapture() {
        for (std::size_t i = 0; i < kDomains.size(); ++i) {
            g_log_remove_handler(kDomains[i], ids_[i]);
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
    std::array<guint, kDomains.size()> ids_{};
    bool failed_ = false;
    std::string message_;
};

void setError(std::string* error, std::string text) {
    if (error) {
        *error = std::move(text);
    }
}

std::string takeError(GError*& err, const char* fallback) {
    std::string text = err && err->message ? err->message : fallback;
    g_clear_error(&err);
    return text;
}

// The root of a compound file held in `bytes`, or nullptr.
GsfInfile* openRoot(std::string_view bytes, std::string* error) {
    GsfInput* input = gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                           static_cast<gsf_off_t>(bytes.size()), FALSE);
    if (!input) {
        setError(error, "cannot read the compound file");
        return nullptr;
    }
    GError* err = nullptr;
    GsfInfile* root = gsf_infile_msole_new(input, &err);
    g_object_unref(input);  // the root holds its own reference
    if (!root) {
        setError(error, takeError(err, "not a compound file"));
    }
    g_clear_error(&err);
    return root;
}

bool isStream(GsfInput* child) {
    // Storages are infiles with children; a stream reports -1.
    return !GSF_IS_INFILE(child) || gsf_infile_num_children(GSF_INFILE(child)) < 0;
}

}  // namespace

bool CompoundFile::isCompound(std::string_view bytes) {
    return bytes.size() >= kSignature.size() &&
           std::memcmp(bytes.data(), kSignature.data(), kSignature.size()) == 0;
}

std::optional<std::string> CompoundFile::readContents(std::string_view bytes, std::string* error) {
    std::lock_guard<std::mutex> lock(libraryMutex());
    LogCapture log;
    GsfInfile* root = openRoot(bytes, error);
    if (!root) {
        return std::nullopt;
    }
    // Another program may have written the name in other cases; the library
    // looks names up case-sensitively, so walk the entries.
    const int count = gsf_infile_num_children(root);
    GsfInput* stream = nullptr;
    for (int pass = 0; pass < 2 && !stream; ++pass) {
        for (int i = 0; i < count && !stream; ++i) {
            const char* name = gsf_infile_name_by_index(root, i);
            if (!name || (pass == 0 ? std::strcmp(name, kContentsStream)
                                    : g_ascii_strcasecmp(name, kContentsStream)) != 0) {
                continue;
            }
            GsfInput* child = gsf_infile_child_by_index(root, i);
            if (child && isStream(child)) {
                stream = child;
            } else if (child) {
                g_object_unref(child);
            }
        }
    }
    std::optional<std::string> result = std::string();
    if (stream) {
        const gsf_off_t size = gsf_input_size(stream);
        // A stream lies inside its file; a larger size is a lie of a corrupt file.
        if (size < 0 || static_cast<uint64_t>(size) > bytes.size()) {
            setError(error, "the \"Contents\" stream claims more bytes than the file has");
            result.reset();
        } else {
            std::string data(static_cast<std::size_t>(size), '\0');
            std::size_t done = 0;
            while (done < data.size()) {
                const std::size_t n = std::min(kChunk, data.size() - done);
                if (!gsf_input_read(stream, n, reinterpret_cast<guint8*>(data.data() + done))) {
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
        g_object_unref(stream);
    }
    g_object_unref(root);
    if (log.failed()) {
        setError(error, log.message());
        return std::nullopt;
    }
    return result;
}

std::optional<std::vector<std::string>> CompoundFile::rootNames(std::string_view bytes) {
    std::lock_guard<std::mutex> lock(libraryMutex());
    LogCapture log;
    GsfInfile* root = openRoot(bytes, nullptr);
    if (!root) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    const int count = gsf_infile_num_children(root);
    for (int i = 0; i < count; ++i) {
        const char* name = gsf_infile_name_by_index(root, i);
        names.emplace_back(name ? name : "");
    }
    g_object_unref(root);
    if (log.failed()) {
        return std::nullopt;
    }
    return names;
}

bool CompoundFile::write(const Streams& streams, const Sink& sink, std::string* error) {
    std::lock_guard<std::mutex> lock(libraryMutex());
    LogCapture log;
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* root = gsf_outfile_msole_new(memory);
    bool ok = root != nullptr;
    for (const auto& [name, data] : streams) {
        if (!ok) {
            break;
        }
        GsfOutput* child = gsf_outfile_new_child(root, name.c_str(), FALSE);
        if (!child) {
            ok = false;
            break;
        }
        for (std::size_t done = 0; ok && done < data.size();) {
            const std::size_t n = std::min(kChunk, data.size() - done);
            ok = gsf_output_write(child, n, reinterpret_cast<const guint8*>(data.data() + done));
            done += n;
        }
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
    }
    if (root) {
        ok = gsf_output_close(GSF_OUTPUT(root)) && ok;
        g_object_unref(root);
    }
    bool handed = false;
    if (ok && !log.failed()) {
        const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory));
        const gsf_off_t size = gsf_output_size(memory);
        handed = sink(data && size > 0 ? std::string_view(reinterpret_cast<const char*>(data),
                                                          static_cast<std::size_t>(size))
                                       : std::string_view());
    } else {
        setError(error, log.failed() ? log.message() : "cannot write the compound file");
    }
    if (!gsf_output_is_closed(memory)) {
        gsf_output_close(memory);
    }
    g_object_unref(memory);
    return handed;
}

std::optional<std::string> CompoundFile::write(const Streams& streams, std::string* error) {
    std::optional<std::string> result;
    if (!write(
            streams, [&](std::string_view bytes) { return result.emplace(bytes), true; }, error)) {
        return std::nullopt;
    }
    return result;
}

std::optional<std::string> CompoundFile::writeContents(std::string_view contents,
                                                       std::string* error) {
    return write({{kContentsStream, contents}}, error);
}

bool CompoundFile::writeContents(std::string_view contents, const Sink& sink, std::string* error) {
    return write({{kContentsStream, contents}}, sink, error);
}

}  // namespace sorvel
