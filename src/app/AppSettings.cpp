#include "app/AppSettings.h"

#include <QFile>
#include <QSettings>
#include <algorithm>

#include "qt/QtText.h"
#include "shell/CommandTable.h"
#include "unicode/UnicodeExport.h"

namespace sorvel {

namespace {

const QString kRecentSection = QStringLiteral("Recent File List");
const QString kPreviewPages = QStringLiteral("Settings/PreviewPages");
const QString kUnicodeFont = QStringLiteral("Settings/UnicodeFont");
const QString kAutoRecoverySeconds = QStringLiteral("Settings/AutoRecoverySeconds");
// A day: longer would be no protection, and beyond what a timer can count.
constexpr int kMaxAutoRecoverySeconds = 24 * 60 * 60;

QString recentKey(std::size_t number) {
    return QStringLiteral("File%1").arg(number);
}

}  // namespace

AppSettings::AppSettings(QSettings* settings)
    : settings_(settings), unicodeFace_(UnicodeExportOptions::kDefaultUnicodeFace) {
    if (!settings_) {
        return;
    }
    settings_->beginGroup(kRecentSection);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file = settings_->value(recentKey(i)).toString();
        if (!file.isEmpty()) {
            recent_.push_back(QFile::encodeName(file).toStdString());
        }
    }
    settings_->endGroup();
    previewPages_ = settings_->value(kPreviewPages, 1).toInt() == 2 ? 2 : 1;
    const QString face = settings_->value(kUnicodeFont).toString();
    if (!face.trimmed().isEmpty()) {
        unicodeFace_ = FaceName(QtText::faceFromQt(face)).str();
    }
    bool ok = false;
    const int seconds = settings_->value(kAutoRecoverySeconds).toInt(&ok);
    if (ok) {
        autoRecoverySeconds_ = std::clamp(seconds, 0, kMaxAutoRecoverySeconds);
    }
}

void AppSettings::storeRecentFiles(const std::vector<std::string>& files) {
    recent_ = files;
    save();
}

void AppSettings::setPreviewPages(int pages) {
    previewPages_ = pages;
    save();
}

void AppSettings::setUnicodeFace(const std::string& face) {
    unicodeFace_ = face;
    save();
}

void AppSettings::save() const {
    if (!settings_) {
        return;
    }
    settings_->beginGroup(kRecentSection);
    settings_->remove(QString());
    for (std::size_t i = 0; i < recent_.size(); ++i) {
        settings_->setValue(recentKey(i + 1),
                            QFile::decodeName(QByteArray::fromStdString(recent_[i])));
    }
    settings_->endGroup();
    settings_->setValue(kPreviewPages, previewPages_);
    settings_->setValue(kUnicodeFont, QtText::faceToQt(unicodeFace_));
    settings_->sync();
}

}  // namespace sorvel
