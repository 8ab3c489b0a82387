// The about box with its picture (the error-detail window: BuildCommandsTest).
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <set>
#include <vector>

#include "ide/AboutPicture.h"
#include "ide/JpegImage.h"
#include "ide/SplashForm.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

size_t DistinctColours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
    return colours.size();
}

TEST(AboutBox, ShowsTheVersionAndThePictureAndAClickOnItCloses)
{
    TSplashForm box(nullptr, "1.2.3 build 4");
    EXPECT_EQ(box.windowTitle(), "About the Corvane IDE");
    EXPECT_EQ(box.Version->text(), "Version: 1.2.3 build 4 for Torve version $5x");
    EXPECT_EQ(box.VersionShadow->text(), box.Version->text());
    const QImage shown = box.Image1->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_GE(shown.width(), 100);
    EXPECT_GT(DistinctColours(shown), 20u);

    box.show();  // a click on the picture closes it
    ASSERT_TRUE(WaitUntil([&] { return box.isVisible(); }, 2s, "the about box shown"));
    QTest::mouseClick(box.Image1, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(AboutBox, ACutOrForeignPictureIsLeftOut)
{
    EXPECT_TRUE(DecodeJpeg(AboutPictureJpeg, AboutPictureJpegSize / 2).isNull());
    EXPECT_TRUE(DecodeJpeg(AboutPictureJpeg, 200).isNull());
    const std::vector<uint8_t> noise(4096, 0x5A);
    EXPECT_TRUE(DecodeJpeg(noise.data(), noise.size()).isNull());
    EXPECT_TRUE(DecodeJpeg(nullptr, 0).isNull());

    TSplashForm box;
    box.LoadPicture(AboutPictureJpeg, AboutPictureJpegSize - 1000);
    EXPECT_TRUE(box.Image1->pixmap().isNull());
    box.LoadPicture(AboutPictureJpeg, AboutPictureJpegSize);
    EXPECT_FALSE(box.Image1->pixmap().isNull());
}

}  // namespace
