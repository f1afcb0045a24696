#include "ErrorGuard.h"

#include "AppError.h"
#include "MessageBox.h"

#include <exception>
#include <new>

namespace platform {

namespace {

void report(const AppError& error)
{
    // A failure inside the report itself must not escape either.
    try {
        messageBox(error.reportText(), Buttons::Ok, Icon::Exclamation);
    } catch (...) {
    }
}

} // namespace

bool runGuarded(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const AppError& error) {
        report(error);
    } catch (const std::bad_alloc&) {
        report(AppError(ErrorCode::OutOfMemory, {}));
    } catch (const std::exception& e) {
        report(AppError(ErrorCode::InternalError, QString::fromLocal8Bit(e.what())));
    } catch (...) {
        report(AppError(ErrorCode::InternalError, {}));
    }
    return false;
}

} // namespace platform
