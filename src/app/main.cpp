#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <iostream>

#include "app/SingleInstance.h"
#include "app/SorvelApplication.h"
#include "app/X11StartupNotice.h"
#include "common/LargeBlocks.h"
#include "qt/PaliStandInFonts.h"
#include "shell/CommandLine.h"
#include "shell/InfoOptions.h"
#include "shell/InstanceProtocol.h"

int main(int argc, char** argv) {
    // --help and --version are answered before Qt starts, so they need no display.
    if (const auto status = sorvel::answerInfoOptions(argc, argv, std::cout)) {
        return *status;
    }
    // The desktop's start-up notification, which the toolkit takes for
    // itself as it starts.
    const char* startupId = std::getenv("DESKTOP_STARTUP_ID");
    const std::string startup = startupId ? startupId : "";

    // The program runs for hours and opens and closes large documents: what
    // it frees of them goes back to the system.
    sorvel::LargeBlocks::giveBackWhenFreed();
    QApplication app(argc, argv);
    // Before any window: documents, dialogs and printing find the Pali fonts.
    sorvel::PaliStandInFonts::registerMissing();
    std::vector<std::string> args;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        args.push_back(QFile::encodeName(arguments[i]).toStdString());
    }

    // One program per user and display: a later start hands its files to
    // the running one and ends; printing stays in the process asked.
    const sorvel::CommandLine line = sorvel::CommandLine::parse(args);
    sorvel::SingleInstance instance(sorvel::SingleInstance::defaultName());
    if (sorvel::InstanceProtocol::handsOver(line)) {
        const std::string here = QFile::encodeName(QDir::currentPath()).toStdString();
        if (instance.handOver(sorvel::InstanceProtocol::requestFor(line, here))) {
            if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
                sorvel::endX11StartupNotice(x11->display(), startup);
            }
            return 0;
        }
        instance.listen();
    }

    sorvel::SorvelApplication sorvel;
    QObject::connect(
        &instance, &sorvel::SingleInstance::requested,
        [&sorvel](const sorvel::InstanceRequest& request) { sorvel.takeRequest(request); });
    if (!sorvel.initInstance(args)) {
        return sorvel.exitCode();
    }
    return QApplication::exec();
}
