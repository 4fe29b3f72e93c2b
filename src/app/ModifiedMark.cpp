#include "app/ModifiedMark.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>
#include <cstring>

namespace sorvel {

namespace {

constexpr auto kPlace = QLatin1StringView("[*]");

// Qt writes the mark as the translation of "*" in the widgets' context;
// this gives it the space that separates it from the name.
class MarkTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (context && sourceText && std::strcmp(context, "QWidget") == 0 &&
            std::strcmp(sourceText, "*") == 0) {
            return QStringLiteral(" *");
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

namespace {

// Qt shows "[*][*]" as a literal "[*]".
QString escaped(const QString& title) {
    QString out = title;
    out.replace(kPlace, QStringLiteral("[*][*]"));
    return out;
}

}  // namespace

QString ModifiedMark::placeAfter(const QString& title) {
    return escaped(title) + kPlace;
}

QString ModifiedMark::placeAfterInside(const QString& title) {
    return escaped(title) + QLatin1Char(' ') + kPlace;
}

void ModifiedMark::install() {
    // Owned by the application object, and gone with it.
    static QPointer<MarkTranslator> translator;
    if (translator || !QCoreApplication::instance()) {
        return;
    }
    translator = new MarkTranslator(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator);
}

}  // namespace sorvel
