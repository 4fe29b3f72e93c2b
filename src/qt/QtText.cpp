#include "qt/QtText.h"

#include "common/Cp1252.h"
#include "pali/PaliUnicode.h"

namespace sorvel {

namespace {

constexpr char16_t kParagraph = 0x2029;
constexpr char16_t kLine = 0x2028;

bool isLineEnd(char32_t c) {
    return c == '\r' || c == '\n' || c == kParagraph || c == kLine;
}

}  // namespace

QString QtText::fromBytes(std::string_view bytes, QChar paragraphBreak) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        if (b == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            out += paragraphBreak;
        } else if (b == '\n') {
            out += paragraphBreak;
        } else {
            out += QChar(static_cast<char16_t>(Cp1252::toUnicode(b)));
        }
    }
    return out;
}

void QtText::appendBytes(std::string& out, QStringView text) {
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
        } else if (c == kParagraph || c == kLine) {
            out += "\r\n";
        } else {
            const auto b = Cp1252::fromUnicode(c);
            out += b ? static_cast<char>(*b) : '?';
        }
    }
}

std::string QtText::toBytes(QStringView text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) + 16);
    appendBytes(out, text);
    return out;
}

QString QtText::clean(QStringView text, PaliFontKind kind) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (isLineEnd(c)) {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            out += QChar(kParagraph);
            continue;
        }
        if (const auto pali = paliFontByteOfUnicode(c, kind)) {
            out += QChar(static_cast<char16_t>(Cp1252::toUnicode(*pali)));
            continue;
        }
        out += Cp1252::fromUnicode(c) ? QChar(static_cast<char16_t>(c)) : QChar(u'?');
    }
    return out;
}

bool QtText::isClean(QStringView text, PaliFontKind kind) {
    const bool pali = isPaliFont(kind);
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == kParagraph) {
            continue;
        }
        if (isLineEnd(c) || !Cp1252::fromUnicode(c) || (pali && paliLetterOfUnicode(c) != 0)) {
            return false;
        }
    }
    return true;
}

QString QtText::faceToQt(std::string_view face) {
    return fromBytes(face);
}

std::string QtText::faceFromQt(const QString& face) {
    return toBytes(face);
}

}  // namespace sorvel
