#pragma once

#include <QFont>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include "text/FontDescription.h"
#include "text/ParaFormat.h"

namespace sorvel {

// How the Font description and the paragraph format live in a Qt document.
//
// What Qt has a place for is kept there (weight, italic, underline,
// strike-out, family, point size, foreground colour; alignment, margins and
// lists). The fields it has no place for, and the exact values that it would
// round (height and baseline offset in twips, character set, pitch and
// family, indents in twips), are kept as user properties of the format, so
// that they survive to the file writer.
class QtFormats {
  public:
    enum Property {
        CharSet = QTextFormat::UserProperty + 1,
        PitchAndFamily,
        HeightTwips,
        OffsetTwips,
        AutoColor,
        StartIndentTwips = QTextFormat::UserProperty + 20,
        ParaOffsetTwips,
    };

    // Twips per pixel of the document (96 pixels to the inch).
    static constexpr int kTwipsPerPixel = 15;

    // The whole Font description of a character format, with every mask bit
    // set; what the format does not say comes from `base`.
    static FontDescription describe(const QTextCharFormat& format, const QFont& base);
    // A character format that sets exactly the masked fields of `delta`, for
    // merging.
    static QTextCharFormat charFormat(const FontDescription& delta);

    // The paragraph format of a block, every mask bit set.
    static ParaFormat describe(const QTextBlock& block);
    // `block`'s format with the indents and alignment of `format` put in
    // (lists are the caller's business).
    static QTextBlockFormat blockFormat(const QTextBlock& block, const ParaFormat& format);
    // Gives the cursor's block the paragraph format `format`: a bulleted
    // paragraph joins the list of the paragraph before or starts one.
    static void formatBlock(QTextCursor& cursor, const ParaFormat& format);
};

}  // namespace sorvel
