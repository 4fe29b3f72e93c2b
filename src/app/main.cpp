#include <QApplication>

#include "app/CMainFrame.h"
#include "app/QtPlatform.h"
#include "translit/TransliterationState.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvel"));
    sorvel::QtPlatform platform;
    sorvel::CMainFrame frame(platform, sorvel::TransliterationState::instance());
    frame.showMaximized();
    frame.newDocument();
    return QApplication::exec();
}
