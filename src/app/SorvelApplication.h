#pragma once

#include <QTimer>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "shell/CommandLine.h"
#include "shell/InstanceProtocol.h"

class QSettings;

namespace sorvel {

class MainWindow;
class Platform;
struct TransliterationState;

// The application: starts the program (the settings store, the main window,
// the command line) and owns what lives as long as it does.
class SorvelApplication {
  public:
    // The settings store's names: kept under "Sorvel - Halvard", "Sorvel".
    static constexpr const char* kRegistryKey = "Sorvel - Halvard";
    static constexpr const char* kAppName = "Sorvel";

    // `platform` answers the program's dialogs (the real ones when none);
    // `settings` stores the recent files (the user's store when none). The
    // recovery copies are kept in the folder "recovery" of the user's data
    // folder for the program, or beside the file of `settings` when given.
    explicit SorvelApplication(Platform* platform = nullptr, QSettings* settings = nullptr,
                               TransliterationState* state = nullptr);
    ~SorvelApplication();
    SorvelApplication(const SorvelApplication&) = delete;
    SorvelApplication& operator=(const SorvelApplication&) = delete;

    // Starts the program with the command line's arguments (without the
    // program's name): names the settings store, creates the main window,
    // carries out the command line and shows the window maximised. Each file
    // named opens in a window of its own; one that cannot be opened gives
    // its message and the others still open, and when none opens the program
    // ends. False when the program is to end at once, with exitCode().
    bool initInstance(const std::vector<std::string>& args);
    int exitCode() const { return exitCode_; }

    // What a later start of the program asks (its files, or a new
    // document): done as soon as no dialog of the program's is open, and
    // the main window comes to the front.
    void takeRequest(const InstanceRequest& request);

    MainWindow* mainWindow() const { return window_.get(); }
    Platform& platform() const { return *platform_; }

  private:
    // Starts the recovery copies and offers those left by a program that
    // did not end normally; gives the number of documents restored.
    int startRecovery();
    // Prints the document of `file` (on `printer` when named); true when done.
    bool printFile(const CommandLine& line);
    void doRequests();

    std::unique_ptr<Platform> ownPlatform_;
    Platform* platform_;
    bool ownsSettings_ = false;
    std::unique_ptr<QSettings> ownSettings_;
    QSettings* settings_;
    TransliterationState* state_;
    std::unique_ptr<MainWindow> window_;
    int exitCode_ = 0;
    std::deque<InstanceRequest> requests_;
    QTimer requestTimer_;
    bool doingRequests_ = false;
};

}  // namespace sorvel
