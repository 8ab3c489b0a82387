#include "tests/acceptance/Screenshots.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

// Test programs live in <build tree>/tests/.
fs::path ArtifactRoot()
{
    const char* root = std::getenv("CORVANE_ARTIFACT_DIR");
    const fs::path base =
        root && *root ? fs::path(root) : fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "artifacts";
    return base / "acceptance";
}

fs::path TestFolder()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return ArtifactRoot() / (test ? std::string(test->test_suite_name()) + "." + test->name() : "outside-tests");
}

}  // namespace

std::string AcceptanceArtifactFolder()
{
    const fs::path folder = TestFolder();
    fs::create_directories(folder);
    return folder.string();
}

void ClearAcceptanceArtifacts()
{
    std::error_code ec;
    fs::remove_all(TestFolder(), ec);
}

QImage SaveGrab(QWidget& widget, const std::string& name)
{
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const std::string path = AcceptanceArtifactFolder() + "/" + name + ".png";
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG")) << "cannot write " << path;
    return image;
}

int ColourCount(const QImage& image, int enough)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
            if (int(colours.size()) >= enough) return enough;
        }
    return int(colours.size());
}

int InkPixels(const QImage& image, const QRect& area)
{
    const QRect inside = area & image.rect();
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96) ++ink;
    return ink;
}
