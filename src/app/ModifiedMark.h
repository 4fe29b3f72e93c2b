#pragma once

#include <QString>

namespace sorvel {

// The mark of unsaved changes in window titles, by Qt's convention: a title
// holds the place "[*]", and the window's modified state shows or hides the
// mark there. The mark reads " *": "Sorvel - name *" while the document has
// unsaved changes, "Sorvel - name" otherwise.
class ModifiedMark {
  public:
    // A top-level window's `title` with the place for the mark at its end; a
    // "[*]" of the title's own shows as itself.
    static QString placeAfter(const QString& title);
    // The same for a document window inside the main window, which draws its
    // title itself and puts a bare "*" in the place: the space goes before
    // the place.
    static QString placeAfterInside(const QString& title);
    // Makes the mark of the top-level windows " *". Idempotent.
    static void install();
};

}  // namespace sorvel
