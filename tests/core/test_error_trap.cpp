// The common error report and the trap that leads to it.
#include "ErrorTrap.h"
#include "TestSupport.h"

#include <QtTest>

#include <stdexcept>

class ErrorTrapTest : public QObject {
    Q_OBJECT
private slots:
    void theReportReadsErrorNumberCarriageReturnDescription() {
        QCOMPARE(ErrorReportText(13, QStringLiteral("Type mismatch")), QStringLiteral("Error #: 13\rType mismatch"));
    }

    void aTrappedErrorIsReportedOnceAndLeavesTheRestUndone() {
        ErrorRecorder errors;
        int steps = 0;
        const bool ok = Trap([&] {
            ++steps;
            throw RuntimeError(ErrorNumbers::ResourceNotFound, QStringLiteral("no ZAP"));
            ++steps;  // never reached
        });
        QVERIFY(!ok);
        QCOMPARE(steps, 1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first(), qMakePair(326, QStringLiteral("no ZAP")));
    }

    void anyOtherExceptionIsReportedRatherThanEscaping() {
        ErrorRecorder errors;
        QVERIFY(!Trap([] { throw std::runtime_error("boom"); }));
        QVERIFY(!Trap([] { throw 42; }));
        QCOMPARE(errors.count(), 2);
    }
};

QTEST_GUILESS_MAIN(ErrorTrapTest)
#include "test_error_trap.moc"
