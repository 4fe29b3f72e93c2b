#pragma once

#include <memory>

class QPrintPreviewDialog;
class QPrinter;
class QTextDocument;
class QWidget;

namespace sorvel {

// Printing a document's text: on Letter paper unless the user chose another
// in Print Setup, with margins of one inch on every side, page after page,
// on any printer Qt knows or into a PDF file.
class DocumentPrinter {
  public:
    static constexpr double kMarginInches = 1.0;

    // Sets a printer up as the program prints: Letter paper, one-inch margins.
    static void setUp(QPrinter& printer);
    // Prints `doc` (the pages of the printer's page range, or all); gives
    // the number of pages printed, 0 when the printer could not be started.
    static int print(const QTextDocument& doc, QPrinter& printer);
    // The number of pages `doc` takes on `printer`.
    static int pageCount(const QTextDocument& doc, QPrinter& printer);

    // The print preview window, modal, showing `pages` pages side by side (1
    // or 2); Page Down and Page Up turn the pages and Esc closes it. Gives the
    // number of pages side by side when it was closed.
    static int preview(const QTextDocument& doc, QPrinter& printer, int pages, QWidget* parent);
    // That window, not yet shown.
    static std::unique_ptr<QPrintPreviewDialog> makePreview(const QTextDocument& doc,
                                                            QPrinter& printer, int pages,
                                                            QWidget* parent);
};

}  // namespace sorvel
