#pragma once

#include <optional>
#include <string>

#include "common/TextFilter.h"
#include "pali/PaliFontKind.h"
#include "unicode/UnicodeReport.h"

namespace sorvel {

class PaliCharMap;

// UTF-8 text into an 8-bit font, piece by piece, with the same bytes and the
// same report as UnicodeText::utf8ToFont gives for the whole text: the
// byte-order mark dropped, Pali letters composed, every line end CR LF, and
// each character the font cannot show written as `replacement` and
// reported. A piece that ends inside a character, between a letter and a
// mark that may follow it, or between CR and LF, keeps that end for the next.
//
// A malformed sequence makes the text no UTF-8: the stream then stops
// converting and says where the first one is.
class Utf8ToFontStream : public TextFilter {
  public:
    Utf8ToFontStream(PaliFontKind kind, char replacement = '?');

    void push(std::string_view in, std::string& out) override;
    void finish(std::string& out) override;

    const UnicodeReport& report() const { return report_; }
    // Where the first malformed sequence is, as "line 2, column 5" (lines
    // counted by LF, columns by characters): nothing while there is none.
    const std::optional<std::string>& malformed() const { return malformed_; }

  private:
    void decode(std::string_view bytes);
    void convert(std::size_t count, std::string& out);

    const PaliCharMap& map_;
    char replacement_;
    std::string bytes_;     // the start of a character, waiting for the rest
    std::u32string chars_;  // decoded, waiting to be composed
    bool markChecked_ = false;
    bool firstChecked_ = false;
    // Where the decoder is, for the place of a malformed sequence.
    long rawLine_ = 1;
    long rawColumn_ = 1;
    // Where the output is, for the report.
    long line_ = 1;
    long column_ = 0;
    UnicodeReport report_;
    std::optional<std::string> malformed_;
};

}  // namespace sorvel
