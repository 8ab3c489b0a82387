#include "tests/support/gui/ControlsProbe.h"

#include <QAbstractButton>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include "tests/support/gui/ScreenProbe.h"

::testing::AssertionResult OwnPictures(const std::vector<std::pair<std::string, QIcon>>& pictures, int size)
{
    std::vector<QImage> seen;
    for (const auto& [name, icon] : pictures) {
        const QImage picture = icon.pixmap(size).toImage();
        if (ColourCount(picture, picture.rect()) <= 1) return ::testing::AssertionFailure() << name << " is blank";
        for (size_t i = 0; i < seen.size(); ++i)
            if (picture == seen[i])
                return ::testing::AssertionFailure() << name << " looks like " << pictures[i].first;
        seen.push_back(picture);
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ControlsInSight(QWidget& window, const std::vector<QWidget*>& controls,
                                           const std::string& shotName)
{
    const QImage shot = GrabToPng(window, shotName);
    for (QWidget* control : controls) {
        if (!control) return ::testing::AssertionFailure() << "a control is missing";
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const std::string name = button ? button->text().toStdString() : control->objectName().toStdString();
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!control->isVisibleTo(&window)) return ::testing::AssertionFailure() << name << " is hidden";
        if (!window.rect().contains(place)) return ::testing::AssertionFailure() << name << " lies outside the window";
        if (control->visibleRegion() != QRegion(control->rect()))
            return ::testing::AssertionFailure() << name << " is cut off";
        if (ColourCount(shot, place) <= 1) return ::testing::AssertionFailure() << name << " shows nothing";
    }
    return ::testing::AssertionSuccess();
}
