#include "editor/FontDialogRules.h"

namespace sorvel {

FontDialogRequest FontDialogRules::request(const FontDescription& initial, FontList fonts) {
    FontDialogRequest r;
    r.initial = initial;
    r.fonts = fonts;
    r.mustExist = true;
    r.offerStyle = initial.has(charmask::Bold | charmask::Italic);
    r.offerEffects = initial.has(charmask::Underline | charmask::StrikeOut | charmask::Color);
    r.offerCharSet = initial.has(charmask::CharSet);
    return r;
}

FontDescription FontDialogRules::result(const FontDialogRequest& request,
                                        const FontChoice& choice) {
    FontDescription f = request.initial;
    f.mask = charmask::Face | charmask::Size;
    f.effects = (choice.bold ? chareffect::Bold : 0) | (choice.italic ? chareffect::Italic : 0) |
                (choice.underline ? chareffect::Underline : 0) |
                (choice.strikeOut ? chareffect::StrikeOut : 0);
    if (request.offerStyle) {
        f.mask |= charmask::Bold | charmask::Italic;
    }
    if (request.offerEffects) {
        f.mask |= charmask::Underline | charmask::StrikeOut | charmask::Color;
        f.color = choice.color;
    }
    if (request.offerCharSet) {
        f.mask |= charmask::CharSet;
        f.charSet = choice.charSet;
    }
    f.height = choice.pointSizeTenths * 2;
    f.offset = 0;
    f.faceName = choice.faceName;
    f.pitchAndFamily = choice.pitchAndFamily;
    return f;
}

std::optional<FontDescription> FontDialogRules::run(Platform& platform,
                                                    const FontDescription& initial,
                                                    FontList fonts) {
    const FontDialogRequest r = request(initial, fonts);
    const std::optional<FontChoice> choice = platform.chooseFont(r);
    if (!choice) {
        return std::nullopt;
    }
    return result(r, *choice);
}

}  // namespace sorvel
