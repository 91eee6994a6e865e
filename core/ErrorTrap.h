#pragma once
// The program's one error trap. Every handler and operation runs its body
// through Trap(): a RuntimeError thrown inside is reported with
// ShowErrorMessage and the operation leaves at that point; whatever it had
// already done stays done, and the caller goes on with its next step.

#include <QCoreApplication>
#include <QString>

#include <exception>
#include <functional>
#include <utility>

namespace ErrorNumbers {
// The numbers a player may see in "Error #: ", one per kind of failure.
inline constexpr int InvalidProcedureCall = 5;   // also: deleting a section that does not exist
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;    // a cell, panel or player number that does not exist
inline constexpr int TypeMismatch = 13;          // a stored score that is not a number
inline constexpr int OutOfStringSpace = 14;      // a settings store too large to read (left as it is)
inline constexpr int FileNotFound = 53;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;        // the settings store cannot be read or written
inline constexpr int ResourceNotFound = 326;     // a picture or sound missing from the resources
inline constexpr int InvalidResourceFormat = 325;
inline constexpr int Internal = 51;              // anything else that escaped as a C++ exception
}  // namespace ErrorNumbers

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description)
        : Number(number), Description(std::move(description)), m_what(Description.toUtf8()) {}
    const char* what() const noexcept override { return m_what.constData(); }

    int Number;
    QString Description;

private:
    QByteArray m_what;
};

// The errors whose description is always the same, in the player's language.
RuntimeError SubscriptOutOfRange();
RuntimeError InvalidProcedureCall();

// The text of the report: "Error #: ", the number, a carriage return, the description.
QString ErrorReportText(int number, const QString& description);

// The common error report. Goes to the installed sink
// (a message box in the program, a recorder in tests).
void ShowErrorMessage(int number, const QString& description) noexcept;

using ErrorSink = std::function<void(int number, const QString& description)>;
// Installs a new sink and returns the previous one. With no sink installed
// the report is written to stderr.
ErrorSink SetErrorSink(ErrorSink sink);

// Runs body; on an error reports it and returns false. Never throws.
template <class Body>
bool Trap(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const RuntimeError& e) {
        ShowErrorMessage(e.Number, e.Description);
    } catch (const std::bad_alloc&) {
        ShowErrorMessage(ErrorNumbers::OutOfMemory, QCoreApplication::translate("ErrorTrap", "Out of memory"));
    } catch (const std::exception& e) {
        ShowErrorMessage(ErrorNumbers::Internal, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowErrorMessage(ErrorNumbers::Internal, QCoreApplication::translate("ErrorTrap", "Unexpected error"));
    }
    return false;
}
