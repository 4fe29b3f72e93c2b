#pragma once

#include <string>
#include <vector>

#include "shell/RecentFileStore.h"

class QSettings;

namespace sorvel {

// The program's settings in Qt's settings store: the recent-file list
// (section "Recent File List", File1 to File16), the print preview's page
// count and the Unicode font (section "Settings", PreviewPages and
// UnicodeFont). They are read once, and every change writes them all. The
// interval of the recovery copies (section "Settings", AutoRecoverySeconds)
// is only read: the user sets it in the file.
class AppSettings : public RecentFileStore {
  public:
    // None keeps nothing.
    explicit AppSettings(QSettings* settings);

    std::vector<std::string> loadRecentFiles() override { return recent_; }
    void storeRecentFiles(const std::vector<std::string>& files) override;

    // Pages side by side in the print preview: 1 or 2.
    int previewPages() const { return previewPages_; }
    void setPreviewPages(int pages);
    // The face in which Copy as Unicode and Export as Unicode set Pali text.
    const std::string& unicodeFace() const { return unicodeFace_; }
    void setUnicodeFace(const std::string& face);
    // Seconds between recovery copies of changed documents; 0 writes none.
    int autoRecoverySeconds() const { return autoRecoverySeconds_; }
    static constexpr int kDefaultAutoRecoverySeconds = 60;

    // Writes every setting to the store.
    void save() const;

  private:
    QSettings* settings_;
    std::vector<std::string> recent_;
    int previewPages_ = 1;
    std::string unicodeFace_;
    int autoRecoverySeconds_ = kDefaultAutoRecoverySeconds;
};

}  // namespace sorvel
