#include "support/TestView.h"

#include "translit/KeyRelease.h"

namespace sorvel::testing {

void TestView::setText(std::string_view text, std::string_view faceName) {
    RichText doc(face(faceName));
    doc.append(text, face(faceName));
    surface.setDocument(doc);
    surface.setSel(surface.getTextLength(), surface.getTextLength());
    FontDescription f = face(faceName);
    f.mask = charmask::Face;
    surface.setCharFormat(f);
}

void TestView::type(std::string_view keys) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const bool isBreak = keys.substr(i, 2) == "\r\n";
        surface.replaceSel(keys.substr(i, isBreak ? 2 : 1), false);
        i += isBreak ? 1 : 0;
        handleKeyRelease(view);
    }
}

}  // namespace sorvel::testing
