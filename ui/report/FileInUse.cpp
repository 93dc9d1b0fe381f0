#include "FileInUse.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace siltmere::ui {

namespace {

bool isHeldOpenByAnotherProgram(const QString& path)
{
#ifdef Q_OS_WIN
    // Replacing a file needs it opened for deleting; asking for that while
    // sharing everything fails only where another program's handle does
    // not share it, whatever this program's rights to the folder are.
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    HANDLE handle = CreateFileW(native.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
    }
    CloseHandle(handle);
    return false;
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace

bool retryAfterWriteFailure(QWidget* parent, const QString& title, const QString& failed, const QString& path,
                            const QString& reason)
{
    const QString file = QDir::toNativeSeparators(path);
    if (!isHeldOpenByAnotherProgram(path)) {
        QMessageBox::warning(parent, title, QStringLiteral("%1\n%2\n\n%3").arg(failed, file, reason));
        return false;
    }
    QMessageBox box(QMessageBox::Warning, title,
                    QCoreApplication::translate("siltmere::ui::FileInUse",
                                                "%1\n%2\n\nThe file is in use by another program (a PDF reader, "
                                                "for example). Close it there and press Retry, or press Cancel "
                                                "and save the report under another name.")
                        .arg(failed, file),
                    QMessageBox::Retry | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Retry);
    return box.exec() == QMessageBox::Retry;
}

} // namespace siltmere::ui
