#include "editor/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "editor/qt/QtText.h"

namespace {
QClipboard* SystemClipboard() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr; }

bool IsText(const std::string& Format) { return Format == kSrcClipboardText; }

// The editor's text with LF line ends, as Unicode.
QString PlainText(const std::string& Text) {
    std::string lf;
    lf.reserve(Text.size());
    size_t from = 0;
    for (size_t cr = Text.find("\r\n"); cr != std::string::npos; cr = Text.find("\r\n", from)) {
        lf.append(Text, from, cr - from);
        lf += '\n';
        from = cr + 2;
    }
    lf.append(Text, from, std::string::npos);
    return Cp1252ToQString(lf.data(), static_cast<int>(lf.size()));
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
