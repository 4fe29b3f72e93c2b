// Any byte string through the font conversion (checked against the literal
// reference), both standard-transliteration conversions and the CSCD rewrite.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../tests/support/ReferenceConversion.h"
#include "translit/CscdPaste.h"
#include "translit/PaliFontConversion.h"
#include "translit/StandardConversion.h"

namespace {

constexpr sorvel::PaliFontKind kKinds[] = {
    sorvel::PaliFontKind::NoPaliFont,   sorvel::PaliFontKind::VriRomanPali,
    sorvel::PaliFontKind::TimesCsxPlus, sorvel::PaliFontKind::SktTimes,
    sorvel::PaliFontKind::TimesNorman,  sorvel::PaliFontKind::LeedsBitPali,
    sorvel::PaliFontKind::UserTableFont};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    const sorvel::PaliFontKind source = kKinds[(data[0] & 0x0F) % 7];
    const sorvel::PaliFontKind target = kKinds[(data[0] >> 4) % 7];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::string fast = text;
    sorvel::convertPaliFontText(fast, source, target);
    if (fast != sorvel::testing::referenceConvertPaliFontText(text, source, target)) {
        std::abort();
    }
    (void)sorvel::standardToPaliText(text, source);
    (void)sorvel::paliToStandardText(text, target);
    const std::string cleaned = sorvel::rewriteCscdText(text);
    if (cleaned.size() < 4 || cleaned.compare(cleaned.size() - 4, 4, "\r\n\r\n") != 0) {
        std::abort();
    }
    return 0;
}
