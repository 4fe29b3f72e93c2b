#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvel {

// Compound files (structured storage) in memory: the container in which a
// document keeps its RTF as the stream "Contents".
//
// This header is plain C++ on purpose: the library that does the work
// (libgsf, on glib) stays inside the implementation, so that code using Qt,
// whose keywords clash with glib's, can include it.
class CompoundFile {
  public:
    static constexpr const char* kContentsStream = "Contents";

    // True when the bytes begin with the compound-file signature.
    static bool isCompound(std::string_view bytes);

    // The bytes of the root stream named "Contents", matched without regard
    // to case (an exact match first); empty when there is no such stream.
    // Nothing, with the reason in `error`, when the bytes are not a sound
    // compound file, including when the library complains while reading.
    static std::optional<std::string> readContents(std::string_view bytes,
                                                   std::string* error = nullptr);

    // The names of the root's entries (streams and storages); nothing when
    // the bytes are not a compound file.
    static std::optional<std::vector<std::string>> rootNames(std::string_view bytes);

    using Streams = std::vector<std::pair<std::string, std::string_view>>;
    // Takes a compound file's bytes, all at once; false when it cannot.
    using Sink = std::function<bool(std::string_view bytes)>;

    // A compound file whose root holds the given streams (name, bytes).
    static std::optional<std::string> write(const Streams& streams, std::string* error = nullptr);
    // The same handed to `sink` straight from where it was made, without a
    // copy of its own; false, with the reason in `error` unless it was the
    // sink that failed, when it cannot be made or the sink fails.
    static bool write(const Streams& streams, const Sink& sink, std::string* error = nullptr);
    // A compound file whose root holds one stream "Contents".
    static std::optional<std::string> writeContents(std::string_view contents,
                                                    std::string* error = nullptr);
    static bool writeContents(std::string_view contents, const Sink& sink,
                              std::string* error = nullptr);
};

}  // namespace sorvel
