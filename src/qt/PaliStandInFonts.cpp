#include "qt/PaliStandInFonts.h"

#include <QFontDatabase>

#include "qt/QtText.h"

// The fonts are resources of a static library: registered before use.
static void registerFontResources() {
    Q_INIT_RESOURCE(pali_fonts);
}

namespace sorvel {

QStringList PaliStandInFonts::registerMissing() {
    // Once: afterwards the font database holds our own registrations, which
    // must not count as installed fonts.
    static const QStringList registered = registerOnce();
    return registered;
}

QStringList PaliStandInFonts::registerOnce() {
    registerFontResources();
    const QStringList installed = QFontDatabase::families();
    QStringList registered;
    for (const PaliFaceName& face : paliFaceNames()) {
        const QString name = QString::fromLatin1(face.face.data(), qsizetype(face.face.size()));
        if (holdsFamily(installed, name)) {
            continue;
        }
        bool any = false;
        for (const StandInStyle& style : standInStyles()) {
            any = QFontDatabase::addApplicationFont(resourcePath(face.face, style)) >= 0 || any;
        }
        if (any) {
            registered << name;
        }
    }
    return registered;
}

bool PaliStandInFonts::holdsFamily(const QStringList& installed, const QString& face) {
    for (const QString& family : installed) {
        // "Family [Foundry]" where two foundries make a family of one name.
        const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
        const QString name = bracket < 0 ? family : family.left(bracket);
        if (name.compare(face, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

QStringList PaliStandInFonts::familiesFor(std::string_view face) {
    QStringList families{QtText::faceToQt(face)};
    const PaliFontKind kind = paliFontByPrefix(face);
    if (kind == PaliFontKind::NoPaliFont) {
        return families;
    }
    const PaliFaceName* first = nullptr;
    for (const PaliFaceName& known : paliFaceNames()) {
        if (known.face == face) {
            return families;
        }
        if (known.kind == kind && first == nullptr) {
            first = &known;
        }
    }
    if (first != nullptr) {
        families << QtText::faceToQt(first->face);
    }
    return families;
}

QString PaliStandInFonts::resourcePath(std::string_view face, const StandInStyle& style) {
    return QStringLiteral(":/pali-fonts/") + QString::fromStdString(standInFileName(face, style));
}

}  // namespace sorvel
