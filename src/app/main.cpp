#include <QApplication>
#include <iostream>

#include "app/CMainFrame.h"
#include "app/InfoOptions.h"
#include "app/QtPlatform.h"
#include "translit/TransliterationState.h"

int main(int argc, char** argv) {
    // --help and --version are answered before Qt starts, so they need no display.
    if (const auto status = sorvel::answerInfoOptions(argc, argv, std::cout)) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvel"));
    sorvel::QtPlatform platform;
    sorvel::CMainFrame frame(platform, sorvel::TransliterationState::instance());
    frame.showMaximized();
    frame.newDocument();
    return QApplication::exec();
}
