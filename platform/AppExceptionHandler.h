#pragma once

// The application object's side that takes the errors an event handler
// caught; a window's boundary asks the running application for it.
class IAppExceptionHandler {
public:
    // Reports the exception being handled; call it inside a catch block.
    virtual void HandleCurrentException() = 0;

protected:
    virtual ~IAppExceptionHandler() = default;
};
