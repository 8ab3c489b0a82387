#include "ide/SplashForm.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "foundation/Settings.h"
#include "ide/AboutPicture.h"
#include "ide/JpegImage.h"

namespace {

QLabel* TransparentLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    return label;
}

}  // namespace

QString TSplashForm::VersionText(const std::string& version)
{
    return QStringLiteral("Version: ") + QString::fromStdString(version) + QStringLiteral(" for Torve version $5x");
}

TSplashForm::TSplashForm(QWidget* parent, const std::string& version) : QDialog(parent)
{
    setObjectName("SplashForm");
    setWindowTitle("About the Corvane IDE");
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    LoadPicture(AboutPictureJpeg, AboutPictureJpegSize);
    Image1->installEventFilter(this);

    const QString text = VersionText(version.empty() ? GetVersionString() : version);
    // The shadow sits one pixel behind and below the text.
    auto* versionBox = new QWidget(this);
    VersionShadow = TransparentLabel(versionBox, text);
    VersionShadow->setObjectName("VersionShadow");
    VersionShadow->setStyleSheet("color: gray");
    VersionShadow->move(1, 1);
    Version = TransparentLabel(versionBox, text);
    Version->setObjectName("Version");
    versionBox->setMinimumSize(Version->sizeHint() + QSize(1, 1));
    Label1 = TransparentLabel(this, "Corvane Torve Integrated Development Environment");
    Label2 = TransparentLabel(this, "Edit, compile, download and debug Java programs on the Corvane Torve.");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Image1);
    layout->addWidget(versionBox);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
}

void TSplashForm::LoadPicture(const uint8_t* jpeg, size_t size)
{
    const QImage picture = DecodeJpeg(jpeg, size);
    if (picture.isNull())
        Image1->clear();
    else
        Image1->setPixmap(QPixmap::fromImage(picture));
}

void TSplashForm::mousePressEvent(QMouseEvent*)
{
    accept();
}

bool TSplashForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
