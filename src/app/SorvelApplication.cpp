#include "app/SorvelApplication.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>

#include "app/Document.h"
#include "app/DocumentPrinter.h"
#include "app/DocumentWindow.h"
#include "app/MainWindow.h"
#include "common/SorvelVersion.h"
#include "editor/TransliterationState.h"
#include "qt/QtPlatform.h"

namespace sorvel {

SorvelApplication::SorvelApplication(Platform* platform, QSettings* settings,
                                     TransliterationState* state)
    : platform_(platform), settings_(settings), state_(state) {
    if (!platform_) {
        ownPlatform_ = std::make_unique<QtPlatform>();
        platform_ = ownPlatform_.get();
    }
    if (!state_) {
        state_ = &TransliterationState::instance();
    }
    // While a dialog is open the requests wait: a file opened under a
    // question about another document would be a surprise.
    requestTimer_.setSingleShot(true);
    requestTimer_.setInterval(200);
    QObject::connect(&requestTimer_, &QTimer::timeout, [this] { doRequests(); });
}

SorvelApplication::~SorvelApplication() {
    // The windows go before the platform and the settings they use.
    window_.reset();
}

bool SorvelApplication::initInstance(const std::vector<std::string>& args) {
    // The settings store: the user's, under the program's key.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kRegistryKey));
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppName));
    QCoreApplication::setApplicationVersion(QStringLiteral(SORVEL_PRODUCT_VERSION));
    // Lets the desktop match the windows with the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SORVEL_APP_ID));
    if (!settings_) {
        ownsSettings_ = true;
        ownSettings_ = std::make_unique<QSettings>(QString::fromLatin1(kRegistryKey),
                                                   QString::fromLatin1(kAppName));
        settings_ = ownSettings_.get();
    }
    // The default Pali font is remembered beside the other settings
    // (~/.config/Sorvel - Halvard), whatever folder the program starts in.
    state_->settingsFolder =
        QFile::encodeName(QFileInfo(settings_->fileName()).absolutePath()).toStdString();
    // The main window, which reads the recent-file list; files dropped on it
    // are opened.
    window_ = std::make_unique<MainWindow>(*platform_, *state_, settings_);
    window_->setAcceptDrops(true);
    // Also for the boxes shown before the main window is (the recovery question).
    QApplication::setWindowIcon(window_->windowIcon());

    const CommandLine line = CommandLine::parse(args);
    // Printing from the command line leaves the copies to a program the
    // user works in.
    const bool printing =
        line.action == CommandLine::Action::Print || line.action == CommandLine::Action::PrintTo;
    const int recovered = printing ? 0 : startRecovery();
    switch (line.action) {
        case CommandLine::Action::NewDocument:
            // Recovered documents stand in for the new empty one.
            if (recovered == 0) {
                window_->newDocument();
            }
            break;
        case CommandLine::Action::Open:
            // The window first, so that what opening says (what a file from
            // another program lost, or why a file cannot be opened) stands
            // over the program rather than over an empty screen.
            window_->showMaximized();
            if (window_->documentManager().openFiles(line.files) == 0 && recovered == 0) {
                window_->hide();
                exitCode_ = 1;
                return false;
            }
            break;
        case CommandLine::Action::Print:
        case CommandLine::Action::PrintTo:
            // Printing from the command line ends the program when done.
            exitCode_ = printFile(line) ? 0 : 1;
            return false;
    }
    window_->showMaximized();
    return true;
}

int SorvelApplication::startRecovery() {
    const QString root =
        ownsSettings_ ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                      : QFileInfo(settings_->fileName()).absolutePath();
    if (root.isEmpty()) {
        return 0;
    }
    // The question comes before the main window shows; closing it must not
    // end the program as the last window closing does.
    const bool quitOnClose = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const int recovered = window_->startRecovery(
        QFile::encodeName(QDir(root).filePath(QStringLiteral("recovery"))).toStdString());
    QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
    return recovered;
}

void SorvelApplication::takeRequest(const InstanceRequest& request) {
    requests_.push_back(request);
    doRequests();
}

void SorvelApplication::doRequests() {
    if (requests_.empty() || doingRequests_) {
        return;
    }
    if (!window_ || QApplication::activeModalWidget()) {
        requestTimer_.start();
        return;
    }
    doingRequests_ = true;
    while (!requests_.empty()) {
        const InstanceRequest request = requests_.front();
        requests_.pop_front();
        window_->documentManager().openFiles(request.files);
    }
    doingRequests_ = false;
    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool SorvelApplication::printFile(const CommandLine& line) {
    if (line.file.empty()) {
        return false;
    }
    DocumentWindow* frame = window_->openDocument(line.file);
    if (!frame || !frame->document()) {
        return false;
    }
    QPrinter& printer = window_->printer();
    if (line.action == CommandLine::Action::PrintTo) {
        if (QPrinterInfo::printerInfo(QString::fromLocal8Bit(line.printer)).isNull()) {
            return false;
        }
        printer.setPrinterName(QString::fromLocal8Bit(line.printer));
    }
    return DocumentPrinter::print(*frame->document()->text(), printer) > 0;
}

}  // namespace sorvel
