#include "platform/IBackgroundWork.h"

QString BackgroundErrorMessage(const std::exception_ptr& error) {
    if (!error)
        return {};
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Nieznany błąd");
    }
}
