#include "FatalError.h"

#include "ModelError.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace siltmere::ui {

FatalErrorReport describe(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ModelError& e) {
        return {e.number(), QString::fromStdString(e.description())};
    } catch (const std::bad_alloc&) {
        return {7, QStringLiteral("Out of memory")};
    } catch (const std::exception& e) {
        return {51, QStringLiteral("Internal error: %1").arg(QString::fromLocal8Bit(e.what()))};
    } catch (...) {
        return {51, QStringLiteral("Internal error")};
    }
}

void reportFatalErrorAndExit(const std::exception_ptr& error)
{
    const FatalErrorReport report = describe(error);
    const QString message = QStringLiteral("Run-time error '%1':\n\n%2").arg(report.number).arg(report.description);
    std::fprintf(stderr, "siltmere: run-time error %d: %s\n", report.number, qPrintable(report.description));
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("Siltmere"), message);
    std::fflush(nullptr);
    // Ends at once: unwinding or running exit handlers could let code of the
    // failed handler, or of the toolkit around it, run on a broken state.
    std::_Exit(kFatalErrorExitCode);
}

} // namespace siltmere::ui
