#include "app/DocumentPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

namespace sorvel {

namespace {

// A copy of the document laid out for the printer's pages.
std::unique_ptr<QTextDocument> layOut(const QTextDocument& doc, QPrinter& printer) {
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(0);  // the printer's margins are the page's
    copy->rootFrame()->setFrameFormat(frame);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    copy->setPageSize(page.size());
    return copy;
}

// Page Down and Page Up turn the preview's pages.
class PreviewKeys : public QObject {
  public:
    PreviewKeys(QPrintPreviewWidget& widget, QObject* parent) : QObject(parent), widget_(widget) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageDown) {
            turnTo(std::min(widget_.currentPage() + 1, widget_.pageCount()));
            return true;
        }
        if (key == Qt::Key_PageUp) {
            turnTo(std::max(widget_.currentPage() - 1, 1));
            return true;
        }
        return false;
    }

    // Turning a page by hand tells nobody; the dialog's page counter and its
    // first, back, next and last buttons follow the widget's change signal,
    // so it is given.
    void turnTo(int page) {
        if (page != widget_.currentPage()) {
            widget_.setCurrentPage(page);
            emit widget_.previewChanged();
        }
    }

  private:
    QPrintPreviewWidget& widget_;
};

}  // namespace

void DocumentPrinter::setUp(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                           QPageLayout::Inch);
}

int DocumentPrinter::pageCount(const QTextDocument& doc, QPrinter& printer) {
    return layOut(doc, printer)->pageCount();
}

int DocumentPrinter::print(const QTextDocument& doc, QPrinter& printer) {
    std::unique_ptr<QTextDocument> copy = layOut(doc, printer);
    const QSizeF page = copy->pageSize();
    const int pages = copy->pageCount();
    int first = 1;
    int last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(pages, printer.toPage() > 0 ? printer.toPage() : pages);
    }
    if (first > last) {
        return 0;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return 0;
    }
    for (int i = first; i <= last; ++i) {
        if (i > first) {
            printer.newPage();
        }
        const QRectF clip(0, (i - 1) * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -clip.top());
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, Qt::black);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return last - first + 1;
}

std::unique_ptr<QPrintPreviewDialog> DocumentPrinter::makePreview(const QTextDocument& doc,
                                                                  QPrinter& printer, int pages,
                                                                  QWidget* parent) {
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [&doc](QPrinter* p) { print(doc, *p); });
    if (auto* widget = dialog->findChild<QPrintPreviewWidget*>()) {
        widget->setViewMode(pages == 2 ? QPrintPreviewWidget::FacingPagesView
                                       : QPrintPreviewWidget::SinglePageView);
        auto* keys = new PreviewKeys(*widget, dialog.get());
        widget->installEventFilter(keys);
        for (QWidget* child : widget->findChildren<QWidget*>()) {
            child->installEventFilter(keys);
        }
    }
    dialog->resize(parent ? parent->size() : QSize(800, 600));
    return dialog;
}

int DocumentPrinter::preview(const QTextDocument& doc, QPrinter& printer, int pages,
                             QWidget* parent) {
    const std::unique_ptr<QPrintPreviewDialog> dialog = makePreview(doc, printer, pages, parent);
    dialog->exec();
    const auto* widget = dialog->findChild<QPrintPreviewWidget*>();
    if (widget && widget->viewMode() == QPrintPreviewWidget::FacingPagesView) {
        return 2;
    }
    return 1;
}

}  // namespace sorvel
