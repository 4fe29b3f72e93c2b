#include "qt/QtFormats.h"

#include <QTextList>
#include <cmath>

#include "qt/PaliStandInFonts.h"
#include "qt/QtText.h"

namespace sorvel {

namespace {

uint32_t colorRef(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

QColor fromColorRef(uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

int32_t pixelsToTwips(qreal px) {
    return static_cast<int32_t>(std::lround(px * QtFormats::kTwipsPerPixel));
}

qreal twipsToPixels(int32_t twips) {
    return static_cast<qreal>(twips) / QtFormats::kTwipsPerPixel;
}

}  // namespace

FontDescription QtFormats::describe(const QTextCharFormat& format, const QFont& base) {
    FontDescription d;
    d.mask = charmask::All;

    const int weight =
        format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : base.weight();
    const bool italic =
        format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : base.italic();
    const bool underline = format.hasProperty(QTextFormat::TextUnderlineStyle) ||
                                   format.hasProperty(QTextFormat::FontUnderline)
                               ? format.fontUnderline()
                               : base.underline();
    const bool strike =
        format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut() : base.strikeOut();
    d.effects = (weight >= QFont::DemiBold ? chareffect::Bold : 0) |
                (italic ? chareffect::Italic : 0) | (underline ? chareffect::Underline : 0) |
                (strike ? chareffect::StrikeOut : 0);

    if (format.hasProperty(HeightTwips)) {
        d.height = format.intProperty(HeightTwips);
    } else {
        qreal points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                      : base.pointSizeF();
        if (points <= 0) {
            points = 12;
        }
        d.height = static_cast<int32_t>(std::lround(points * 20));
    }
    d.offset = format.hasProperty(OffsetTwips) ? format.intProperty(OffsetTwips) : 0;

    const bool hasBrush = format.hasProperty(QTextFormat::ForegroundBrush) &&
                          format.foreground().style() != Qt::NoBrush;
    if (hasBrush) {
        d.color = colorRef(format.foreground().color());
    }
    if (!hasBrush || format.boolProperty(AutoColor)) {
        d.effects |= chareffect::AutoColor;
    }
    d.charSet = static_cast<uint8_t>(format.intProperty(CharSet));
    d.pitchAndFamily = static_cast<uint8_t>(format.intProperty(PitchAndFamily));

    QString family;
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.fontFamilies().toStringList();
        family = families.value(0);
    }
    if (family.isEmpty()) {
        family = base.family();
    }
    d.faceName = QtText::faceFromQt(family);
    return d;
}

QTextCharFormat QtFormats::charFormat(const FontDescription& delta) {
    QTextCharFormat f;
    const uint32_t m = delta.mask;
    if (m & charmask::Bold) {
        f.setFontWeight((delta.effects & chareffect::Bold) ? QFont::Bold : QFont::Normal);
    }
    if (m & charmask::Italic) {
        f.setFontItalic(delta.effects & chareffect::Italic);
    }
    if (m & charmask::Underline) {
        f.setFontUnderline(delta.effects & chareffect::Underline);
    }
    if (m & charmask::StrikeOut) {
        f.setFontStrikeOut(delta.effects & chareffect::StrikeOut);
    }
    if (m & charmask::Face) {
        // The face first, as documents name it; a Pali face that this
        // machine may lack falls back to a face of the same Pali font.
        f.setFontFamilies(PaliStandInFonts::familiesFor(delta.faceName));
        f.setProperty(PitchAndFamily, static_cast<int>(delta.pitchAndFamily));
    }
    if (m & charmask::Size) {
        f.setProperty(HeightTwips, static_cast<int>(delta.height));
        if (delta.height > 0) {
            f.setFontPointSize(delta.height / 20.0);
        }
    }
    if (m & charmask::Offset) {
        f.setProperty(OffsetTwips, static_cast<int>(delta.offset));
        // Shown as a share of the font's height; without a height in the
        // same description, that of a 12-point font.
        const int32_t height = (m & charmask::Size) && delta.height > 0 ? delta.height : 240;
        f.setBaselineOffset(100.0 * delta.offset / height);
    }
    if (m & charmask::Color) {
        const bool automatic = delta.effects & chareffect::AutoColor;
        f.setProperty(AutoColor, automatic);
        // Automatic colour shows as the window's text colour, black.
        f.setForeground(automatic ? QColor(Qt::black) : fromColorRef(delta.color));
    }
    if (m & charmask::CharSet) {
        f.setProperty(CharSet, static_cast<int>(delta.charSet));
    }
    return f;
}

ParaFormat QtFormats::describe(const QTextBlock& block) {
    const QTextBlockFormat f = block.blockFormat();
    ParaFormat p;
    p.mask = paramask::All;
    const qreal left = f.leftMargin();
    const qreal indent = f.textIndent();
    p.offset =
        f.hasProperty(ParaOffsetTwips) ? f.intProperty(ParaOffsetTwips) : pixelsToTwips(-indent);
    p.startIndent = f.hasProperty(StartIndentTwips) ? f.intProperty(StartIndentTwips)
                                                    : pixelsToTwips(left + indent);
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignRight) {
        p.alignment = alignment::Right;
    } else if (a & Qt::AlignHCenter) {
        p.alignment = alignment::Center;
    } else {
        p.alignment = alignment::Left;
    }
    p.numbering = block.textList() ? numbering::Bullet : numbering::None;
    return p;
}

QTextBlockFormat QtFormats::blockFormat(const QTextBlock& block, const ParaFormat& format) {
    QTextBlockFormat f = block.blockFormat();
    f.setProperty(StartIndentTwips, static_cast<int>(format.startIndent));
    f.setProperty(ParaOffsetTwips, static_cast<int>(format.offset));
    // Every line but the first stands at start + offset. A bulleted paragraph
    // puts its bullet in the hanging space and its text at start + offset.
    f.setLeftMargin(twipsToPixels(format.startIndent + format.offset));
    f.setTextIndent(format.numbering == numbering::Bullet ? 0 : twipsToPixels(-format.offset));
    switch (format.alignment) {
        case alignment::Right:
            f.setAlignment(Qt::AlignRight);
            break;
        case alignment::Center:
            f.setAlignment(Qt::AlignHCenter);
            break;
        default:
            f.setAlignment(Qt::AlignLeft);
            break;
    }
    return f;
}

void QtFormats::formatBlock(QTextCursor& c, const ParaFormat& p) {
    QTextBlock block = c.block();
    if (p.numbering == numbering::Bullet && !block.textList()) {
        QTextList* before = block.previous().isValid() ? block.previous().textList() : nullptr;
        if (before) {
            before->add(block);
        } else {
            QTextListFormat list;
            list.setStyle(QTextListFormat::ListDisc);
            list.setIndent(0);
            c.createList(list);
        }
    } else if (p.numbering == numbering::None && block.textList()) {
        block.textList()->remove(block);
    }
    c.setBlockFormat(blockFormat(c.block(), p));
}

}  // namespace sorvel
