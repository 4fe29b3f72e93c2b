#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <string>

#include "common/SorvelVersion.h"

namespace sorvel {
namespace {

class IconResources : public ::testing::TestWithParam<int> {};

// The program's windows take their icon from these resources: each size is
// there, and is the size its name says.
TEST_P(IconResources, HoldTheIconAtEachThemeSize) {
    const int size = GetParam();
    const QString path =
        QStringLiteral(":/icons/%1x%1/apps/" SORVEL_APP_ID ".png").arg(QString::number(size));
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << path.toStdString();
    EXPECT_EQ(image.width(), size);
    EXPECT_EQ(image.height(), size);
    // Not a blank square: the page is opaque in the middle, clear at the corner.
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconResources, ::testing::Values(16, 22, 24, 32, 48, 64, 128, 256),
                         [](const auto& info) { return "Size" + std::to_string(info.param); });

}  // namespace
}  // namespace sorvel
