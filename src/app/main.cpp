#include <QApplication>
#include <QFile>
#include <iostream>

#include "app/SorvelApplication.h"
#include "qt/PaliStandInFonts.h"
#include "shell/InfoOptions.h"

int main(int argc, char** argv) {
    // --help and --version are answered before Qt starts, so they need no display.
    if (const auto status = sorvel::answerInfoOptions(argc, argv, std::cout)) {
        return *status;
    }
    QApplication app(argc, argv);
    // Before any window: documents, dialogs and printing find the Pali fonts.
    sorvel::PaliStandInFonts::registerMissing();
    std::vector<std::string> args;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        args.push_back(QFile::encodeName(arguments[i]).toStdString());
    }
    sorvel::SorvelApplication sorvel;
    if (!sorvel.initInstance(args)) {
        return sorvel.exitCode();
    }
    return QApplication::exec();
}
