#pragma once

#include <QString>
#include <QTextDocument>
#include <vector>

#include "text/FontDescription.h"
#include "text/ParaFormat.h"
#include "text/RichText.h"

namespace sorvel {

// What QtRichText::read gives, in two steps: take() copies what it needs out
// of the document on the document's own thread, and build() makes the rich
// text from that copy, later and on any thread.
//
// Taking is cheap: the characters in one piece, and per run and per
// paragraph a few numbers. Each distinct format of the document is described
// once. So a large document can be copied for recovery without the typing
// waiting for the rest, which build() does on another thread.
class QtRichTextSnapshot {
  public:
    // The whole document.
    static QtRichTextSnapshot take(const QTextDocument& doc);
    // The characters between two Qt positions of the document.
    static QtRichTextSnapshot take(const QTextDocument& doc, int from, int to);

    RichText build() const;

  private:
    // A stretch of text_ in one character format (an index of charFormats_).
    // A long document has millions of them, so they are kept small; Qt's
    // positions are ints.
    struct Run {
        int start;
        int length;
        int format;
    };
    // A paragraph break, before run `beforeRun`: the break's character
    // format and the paragraph format of the paragraph it ends.
    struct Break {
        uint32_t beforeRun;
        int charFormat;
        int paraFormat;
    };

    QString text_;
    std::vector<Run> runs_;
    std::vector<Break> breaks_;
    std::vector<FontDescription> charFormats_;
    std::vector<ParaFormat> paraFormats_;
    int firstFormat_ = 0;    // the format the text starts in
    int lastParagraph_ = 0;  // the paragraph format of the last paragraph
};

}  // namespace sorvel
