#include "editor/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "editor/qt/QtText.h"

namespace {
QClipboard* SystemClipboard() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr; }

bool IsText(const std::string& Format) { return Format == kSrcClipboardText; }

QString PlainText(const std::string& Text) {
    QString text = Cp1252ToQString(Text.data(), static_cast<int>(Text.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}
}  // namespace

bool TQtClipboard::HasFormat(const std::string& Format) const {
    QClipboard* clipboard = SystemClipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data) {
        return false;
    }
    return IsText(Format) ? data->hasText() : data->hasFormat(QString::fromStdString(Format));
}

bool TQtClipboard::GetData(const std::string& Format, std::string& Data) const {
    QClipboard* clipboard = SystemClipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data) {
        return false;
    }
    if (IsText(Format)) {
        if (!data->hasText()) {
            return false;
        }
        Data = QStringToCp1252(data->text());
        return true;
    }
    QString format = QString::fromStdString(Format);
    if (!data->hasFormat(format)) {
        return false;
    }
    QByteArray bytes = data->data(format);
    Data.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

QMimeData* MakeSrcMimeData(const std::vector<TSrcClipboard::TItem>& Items) {
    auto* data = new QMimeData;
    for (const TSrcClipboard::TItem& item : Items) {
        if (IsText(item.Format)) {
            data->setText(PlainText(item.Data));
        } else {
            data->setData(QString::fromStdString(item.Format),
                          QByteArray(item.Data.data(), static_cast<qsizetype>(item.Data.size())));
        }
    }
    return data;
}

bool TQtClipboard::SetData(const std::vector<TItem>& Items) {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) {
        return false;
    }
    clipboard->setMimeData(MakeSrcMimeData(Items));  // takes ownership
    return true;
}
