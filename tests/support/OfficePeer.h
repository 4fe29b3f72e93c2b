#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempDir.h"

namespace sorvel::testing {

// LibreOffice and Python run as separate processes by the interop tests:
// documents are converted in a work folder and summarised by a helper
// script, and the summary's lines come back as tab-separated fields.
class OfficePeer {
  public:
    // `scripts` is the folder of the helper scripts.
    OfficePeer(const TempDir& dir, std::string scripts);

    // Why the peer cannot run here, or empty when it can: soffice, and
    // olefile when `needOlefile`.
    static std::string missing(bool needOlefile);

    // Converts `files` (paths) into the work folder's txt/ (UTF-8 text),
    // fodt/ and peer/ (RTF written by the peer); `rtfOnly` are converted
    // to RTF alone. False when a conversion fails.
    bool convert(const std::vector<std::string>& files,
                 const std::vector<std::string>& rtfOnly = {}) const;
    // The lines of odt_summary.py's report on `fodt`, split at tabs; the
    // hexadecimal text fields are left as they are (see fromHex).
    std::vector<std::vector<std::string>> summary(const std::string& fodt) const;
    // Runs a helper script on `args`, its output written to `out`.
    bool script(const std::string& name, const std::vector<std::string>& args,
                const std::string& out) const;

    static std::string fromHex(std::string_view hex);
    static std::string quote(const std::string& s);
    static int shell(const std::string& command);

  private:
    const TempDir& dir_;
    std::string scripts_;
};

// A suite whose tests share one work folder and one run of the peer: the
// suite's SetUpTestSuite calls start() and then converts its documents; every
// test is skipped, with the reason, when the peer cannot run here.
template <class Suite>
class OfficePeerSuite : public ::testing::Test {
  protected:
    static bool start(bool needOlefile, const std::string& scripts) {
        skip_ = OfficePeer::missing(needOlefile);
        if (!skip_.empty()) {
            return false;
        }
        dir_ = std::make_unique<TempDir>();
        peer_ = std::make_unique<OfficePeer>(*dir_, scripts);
        return true;
    }
    static void TearDownTestSuite() {
        peer_.reset();
        dir_.reset();
    }
    void SetUp() override {
        if (!skip_.empty()) {
            GTEST_SKIP() << skip_;
        }
    }

    static inline std::string skip_;
    static inline std::unique_ptr<TempDir> dir_;
    static inline std::unique_ptr<OfficePeer> peer_;
};

}  // namespace sorvel::testing
