#pragma once
#include "editor/control/SrcClipboard.h"

class QMimeData;

// The items as Qt data: plain text as Unicode with LF line ends, other
// formats as raw bytes under their MIME type. The caller owns it.
QMimeData* MakeSrcMimeData(const std::vector<TSrcClipboard::TItem>& Items);

// The editor's clipboard over the application's clipboard: plain text as
// Unicode with LF line ends, other formats as raw bytes under their MIME
// type, one QMimeData per copy.
class TQtClipboard : public TSrcClipboard {
public:
    bool HasFormat(const std::string& Format) const override;
    bool GetData(const std::string& Format, std::string& Data) const override;
    bool SetData(const std::vector<TItem>& Items) override;
};
