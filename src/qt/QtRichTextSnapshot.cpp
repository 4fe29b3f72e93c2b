#include "qt/QtRichTextSnapshot.h"

#include <QTextBlock>
#include <algorithm>

#include "qt/QtFormats.h"
#include "qt/QtText.h"

namespace sorvel {

namespace {

// Each format of the document described once, by its index in the document.
class Formats {
  public:
    Formats(const QTextDocument& doc, std::vector<FontDescription>& chars,
            std::vector<ParaFormat>& paras)
        : formats_(doc.allFormats()),
          base_(doc.defaultFont()),
          chars_(chars),
          paras_(paras),
          charIds_(static_cast<std::size_t>(formats_.size()), -1),
          paraIds_(static_cast<std::size_t>(formats_.size()), -1) {}

    int character(int index) {
        int& id = charIds_[static_cast<std::size_t>(index)];
        if (id < 0) {
            id = static_cast<int>(chars_.size());
            chars_.push_back(QtFormats::describe(formats_[index].toCharFormat(), base_));
        }
        return id;
    }

    // A block's paragraph format: its block format, and whether it is in a
    // list, which the same block format always says alike.
    int paragraph(const QTextBlock& block) {
        int& id = paraIds_[static_cast<std::size_t>(block.blockFormatIndex())];
        if (id < 0) {
            id = static_cast<int>(paras_.size());
            paras_.push_back(QtFormats::describe(block));
        }
        return id;
    }

  private:
    const QList<QTextFormat> formats_;
    const QFont base_;
    std::vector<FontDescription>& chars_;
    std::vector<ParaFormat>& paras_;
    std::vector<int> charIds_;
    std::vector<int> paraIds_;
};

}  // namespace

QtRichTextSnapshot QtRichTextSnapshot::take(const QTextDocument& doc) {
    return take(doc, 0, doc.characterCount() - 1);
}

QtRichTextSnapshot QtRichTextSnapshot::take(const QTextDocument& doc, int from, int to) {
    QtRichTextSnapshot s;
    Formats formats(doc, s.charFormats_, s.paraFormats_);
    // The whole text in one copy, where the document's positions are its
    // indexes; for a part, the pieces that are wanted.
    const bool whole = from == 0 && to >= doc.characterCount() - 1;
    // A break for every block at the most, and a run or more for each.
    s.breaks_.reserve(static_cast<std::size_t>(doc.blockCount()));
    s.runs_.reserve(static_cast<std::size_t>(doc.blockCount()));
    if (whole) {
        s.text_ = doc.toRawText();
    }
    // Positions are counted along rather than asked for: asking the
    // document costs a walk of its tree each time.
    QTextBlock block = doc.findBlock(from);
    QTextBlock previous;
    s.firstFormat_ = formats.character(block.charFormatIndex());
    for (int blockStart = block.position(); block.isValid() && blockStart <= to;
         blockStart += block.length(), previous = block, block = block.next()) {
        if (blockStart > from) {
            // The break before this block, in the format it carries; it ends
            // the previous paragraph.
            s.breaks_.push_back({static_cast<uint32_t>(s.runs_.size()),
                                 formats.character(block.charFormatIndex()),
                                 formats.paragraph(previous)});
        }
        int fragmentStart = blockStart;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int begin = fragmentStart;
            fragmentStart += fragment.length();
            const int fs = std::max(begin, from);
            const int fe = std::min(fragmentStart, to);
            if (fe <= fs) {
                continue;
            }
            int start = fs;
            if (!whole) {
                start = static_cast<int>(s.text_.size());
                s.text_ += QStringView(fragment.text()).mid(fs - begin, fe - fs);
            }
            s.runs_.push_back({start, fe - fs, formats.character(fragment.charFormatIndex())});
        }
    }
    // The last paragraph keeps its own format.
    s.lastParagraph_ = formats.paragraph(doc.findBlock(to));
    return s;
}

RichText QtRichTextSnapshot::build() const {
    RichText out(charFormats_[static_cast<std::size_t>(firstFormat_)]);
    std::string bytes;
    std::size_t next = 0;
    auto breaksBefore = [&](std::size_t run) {
        for (; next < breaks_.size() && breaks_[next].beforeRun == run; ++next) {
            out.appendBreak(charFormats_[static_cast<std::size_t>(breaks_[next].charFormat)],
                            paraFormats_[static_cast<std::size_t>(breaks_[next].paraFormat)]);
        }
    };
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        breaksBefore(i);
        bytes.clear();
        QtText::appendBytes(bytes, QStringView(text_).mid(runs_[i].start, runs_[i].length));
        out.append(bytes, charFormats_[static_cast<std::size_t>(runs_[i].format)]);
    }
    breaksBefore(runs_.size());
    if (out.paragraphCount() > 0) {
        out.setParaFormat(out.paragraphCount() - 1,
                          paraFormats_[static_cast<std::size_t>(lastParagraph_)]);
    }
    if (!out.empty()) {
        out.setDefaultFormat(out.formatAt(out.length() - 1));
    }
    return out;
}

}  // namespace sorvel
