#include "editor/qt/QtGuardedCall.h"

namespace {
bool waiting = false;  // an error is on its way to the handler
}  // namespace

bool HandToApplicationLater(std::exception_ptr Error) {
    QCoreApplication* app = QCoreApplication::instance();
    auto* handler = dynamic_cast<IAppExceptionHandler*>(app);
    if (!handler) {
        return false;
    }
    if (!waiting) {
        waiting = true;
        QMetaObject::invokeMethod(
            app,
            [handler, Error] {
                struct TDone {
                    ~TDone() { waiting = false; }
                } done;
                try {
                    std::rethrow_exception(Error);
                } catch (...) {
                    handler->HandleCurrentException();
                }
            },
            Qt::QueuedConnection);
    }
    return true;
}
