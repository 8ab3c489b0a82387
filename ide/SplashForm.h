#pragma once
#include <QDialog>
#include <cstddef>
#include <cstdint>
#include <string>

class QLabel;

// The about box: the picture, the version and two lines of text; a click
// anywhere closes it.
class TSplashForm : public QDialog {
public:
    explicit TSplashForm(QWidget* parent = nullptr, const std::string& version = {});

    QLabel* Image1 = nullptr;
    QLabel* Version = nullptr;
    QLabel* VersionShadow = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    // Shows the JPEG; bytes that cannot be decoded leave the box without a picture.
    void LoadPicture(const uint8_t* jpeg, size_t size);

    // "Version: <version> for Torve version $5x".
    static QString VersionText(const std::string& version);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
