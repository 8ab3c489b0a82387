#pragma once
#include <functional>
#include <memory>
#include <string>

#include "foundation/MessageSink.h"

class QListWidget;
class QListWidgetItem;

// The main window's message list as a message sink: each line becomes the
// last item, with its TLinInfo kept by the item, and is selected. GUI thread
// only (a TQueuedMessageSink in front carries lines from other threads).
class TMessageList : public IMessageSink {
public:
    // Called after each line with its text and object (null when none).
    using LineAdded = std::function<void(const std::string& text, const TLinInfo* info)>;

    TMessageList(QListWidget& list, LineAdded lineAdded);

    void AddLine(std::string text, std::unique_ptr<TLinInfo> info) override;

    // The object attached to a line, or null.
    static const TLinInfo* LineInfo(const QListWidgetItem* item);

private:
    QListWidget& list_;
    LineAdded lineAdded_;
};

// An error line: one that EError::Report wrote, with the code attached.
bool IsErrorLine(const TLinInfo* info);
