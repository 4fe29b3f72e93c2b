#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "docformat/DocumentError.h"
#include "docformat/DocumentReport.h"
#include "text/RichText.h"

namespace sorvel {

// Opening and saving documents.
//
// A document on disk is RTF kept as the stream "Contents" of a compound
// file. Opening also takes a plain RTF file (and an empty file, as an empty
// document); saving writes the compound form, or plain RTF when asked.
// Nothing here throws: failures come back as a DocumentError.
//
// Opening says which form the file had and what of it the document could
// not keep (RtfReader). Unicode Pali that the file's code pages cannot carry
// comes into a Pali font: the one given, or kDefaultPaliFace when none is.
class DocumentFile {
  public:
    enum class Format { Compound, Rtf };

    static constexpr std::string_view kDefaultPaliFace = "VriRomanPali CN";

    struct Opened {
        std::optional<RichText> document;  // set when the open succeeded
        DocumentError error;
        Format format = Format::Rtf;  // what the file was
        DocumentReport report;        // what the document could not keep
        explicit operator bool() const { return document.has_value(); }
    };

    // `paliFont`: the face, character set and pitch and family that Unicode
    // Pali comes into; an empty face stands for kDefaultPaliFace.
    static Opened open(const std::string& path, const FontDescription& paliFont = {});
    // The same for bytes already read; `path` names them in messages.
    static Opened openBytes(std::string_view bytes, const std::string& path,
                            const FontDescription& paliFont = {});

    // The bytes of a document as it is saved.
    static std::optional<std::string> toBytes(const RichText& doc, Format format,
                                              std::string* error = nullptr);
    // Writes a new file beside `path` and renames it over `path`, so that a
    // failed save leaves the old file as it was.
    static DocumentError save(const RichText& doc, const std::string& path,
                              Format format = Format::Compound);
};

}  // namespace sorvel
