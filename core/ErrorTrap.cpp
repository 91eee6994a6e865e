#include "ErrorTrap.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
ErrorSink& Sink() {
    static ErrorSink sink;
    return sink;
}
}  // namespace

RuntimeError SubscriptOutOfRange() {
    return {ErrorNumbers::SubscriptOutOfRange, QCoreApplication::translate("ErrorTrap", "Subscript out of range")};
}

RuntimeError InvalidProcedureCall() {
    return {ErrorNumbers::InvalidProcedureCall,
            QCoreApplication::translate("ErrorTrap", "Invalid procedure call or argument")};
}

QString ErrorReportText(int number, const QString& description) {
    return QCoreApplication::translate("ErrorTrap", "Error #: %1").arg(number) + QChar(13) + description;
}

void ShowErrorMessage(int number, const QString& description) noexcept {
    try {
        if (Sink()) {
            Sink()(number, description);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(ErrorReportText(number, description)));
        }
    } catch (...) {
        // A report that cannot be shown is dropped; the game goes on.
    }
}

ErrorSink SetErrorSink(ErrorSink sink) {
    std::swap(Sink(), sink);
    return sink;
}
