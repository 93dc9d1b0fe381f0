#pragma once

// Answers the dialogs that saving and printing a report open, as a planner
// would, and keeps what they showed: Qt's print dialog (a printer chosen by
// name, or printing to a file), the save dialog (a name typed), the print
// preview (its pages counted, then closed or printed from), and messages
// (their text and buttons kept, then a chosen button pressed). A dialog of
// another kind ends the test.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace siltmere::test {

struct ShownMessage {
    QString text;
    QMessageBox::StandardButtons buttons;
};

class ReportDialogAnswers : public QObject {
public:
    ReportDialogAnswers()
    {
        timer_.callOnTimeout(this, [this] { answer(); });
        timer_.start(20);
    }

    // The print dialog: the printer to choose (by its queue name), or a
    // file to print to; `cancelPrint` cancels it instead.
    QString printer;
    QString printToFile;
    bool cancelPrint = false;
    // The save dialog: the file name typed into it, or `cancelSave`.
    QString savePath;
    bool cancelSave = false;
    // The preview: print from it (through its print dialog) or close it.
    bool printFromPreview = false;
    // The button pressed on a message; called before it is pressed, so a
    // test can look at the files first. Default: the message's own escape.
    std::function<QMessageBox::StandardButton(const ShownMessage&)> onMessage;

    // What was shown.
    QList<ShownMessage> messages;
    QString proposedSave; // the file the save dialog proposed
    int printDialogs = 0;
    int previewPages = -1;    // the pages the preview showed
    QStringList printerNames; // the printers the print dialog offered

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        // Each dialog is answered once: a dialog that shows a message of its
        // own (whether to replace a file) is the modal one again after it,
        // and answering it again would read what was typed as proposed.
        static const char* const kAnswered = "siltmereTestAnswered";
        if (!modal || modal->property(kAnswered).toBool())
            return;
        modal->setProperty(kAnswered, true);
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
            answerPrint(dialog);
        } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
            answerPreview(preview);
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            // Typed, as a person would: selectFile() changes the folder only
            // once the folder's listing has been read.
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (cancelSave) {
                close(files, QDialog::Rejected);
                return;
            }
            if (!name || savePath.isEmpty())
                fail("a save dialog nobody expected, or without a file name box");
            proposedSave = files->selectedFiles().value(0);
            name->setText(savePath);
            close(files, QDialog::Accepted);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const ShownMessage shown{box->text(), box->standardButtons()};
            messages << shown;
            QMessageBox::StandardButton pressed = onMessage ? onMessage(shown) : QMessageBox::NoButton;
            if (pressed == QMessageBox::NoButton)
                pressed = box->standardButton(box->escapeButton());
            // Clicked, as a person would: a message a dialog of Qt's own
            // asks (whether to replace a file) reads the button clicked.
            if (QAbstractButton* button = box->button(pressed))
                QTimer::singleShot(0, button, [button] { button->click(); });
            else
                close(box, QMessageBox::Ok);
        } else {
            fail(qPrintable(QStringLiteral("unexpected modal dialog '%1'").arg(modal->windowTitle())));
        }
    }

    void answerPrint(QPrintDialog* dialog)
    {
        ++printDialogs;
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        if (!printers)
            fail("the print dialog has no printer list");
        printerNames.clear();
        for (int i = 0; i < printers->count(); ++i)
            printerNames << printers->itemText(i);
        if (cancelPrint) {
            close(dialog, QDialog::Rejected);
            return;
        }
        if (!printToFile.isEmpty()) {
            // The last entry prints to a PDF file.
            printers->setCurrentIndex(printers->count() - 1);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (!name)
                fail("the print dialog has no file name box");
            name->setText(printToFile);
        } else if (!printer.isEmpty()) {
            const int index = printers->findText(printer);
            if (index < 0)
                fail(qPrintable(QStringLiteral("the print dialog does not offer '%1'").arg(printer)));
            printers->setCurrentIndex(index);
        }
        close(dialog, QDialog::Accepted);
    }

    void answerPreview(QPrintPreviewDialog* dialog)
    {
        auto* pages = dialog->findChild<QPrintPreviewWidget*>();
        previewPages = pages ? pages->pageCount() : -1;
        if (!printFromPreview) {
            close(dialog, QDialog::Rejected);
            return;
        }
        for (QAction* action : dialog->findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Print")) {
                // The print dialog it opens is answered in turn.
                QTimer::singleShot(0, action, [action] { action->trigger(); });
                return;
            }
        }
        fail("the preview has no Print button");
    }

    // Closed once this answer has returned: a dialog that opens another
    // runs it inside its own closing, and this timer does not run again
    // until the answer returns.
    static void close(QDialog* dialog, int result)
    {
        QTimer::singleShot(0, dialog, [dialog, result] {
            if (result == QDialog::Accepted)
                dialog->accept();
            else
                dialog->done(result);
        });
    }

    [[noreturn]] static void fail(const char* why)
    {
        std::fprintf(stderr, "%s\n", why);
        std::abort();
    }

    QTimer timer_;
};

} // namespace siltmere::test
