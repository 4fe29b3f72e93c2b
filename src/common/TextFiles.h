#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvel {

// Reads a whole file as bytes; nothing, with the reason in `error` (and the
// errno value in `errorNumber`), on failure.
std::optional<std::string> readWholeFile(const std::string& path, std::string* error = nullptr,
                                         int* errorNumber = nullptr);

// Writes `bytes` to a new file beside `path` and renames it over `path`, so
// that `path` holds either its old content or all of the new, never a part.
// False, with the reason in `error` (and the errno value in `errorNumber`),
// on failure; `path` is then untouched.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr, int* errorNumber = nullptr);

}  // namespace sorvel
