// Message boxes and modal dialogs go through here, so that tests can answer
// them in advance and never wait on a human. A program that installs
// nothing gets ordinary modal boxes and dialogs.
//
// User-interface thread only.
#pragma once

#include "WriteOutcome.h"

#include <QMessageBox>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QDialog;

// One message box as it was asked for.
struct MessageRequest {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Shows a message box modally and returns the button that closed it. A
// message box has the given parent (none: no owner window); an empty
// caption shows the program's name.
QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// The program's own message with an OK button and the program's name as its
// caption, as every command reports an error.
void ShowProgramMessage(QWidget* parent, const QString& text);

// The message of a write that did not land, in the user's language: what
// failed (a text of the string table) and, on a second line, what became of
// the write.
QString WriteFailureMessage(const char* failure, WriteOutcome outcome);

// Runs a dialog modally; returns QDialog::Accepted or QDialog::Rejected.
int RunModal(QDialog& dialog);

// One file dialog as it was asked for.
struct FileNameRequest {
    QString caption;
    QString suggestion;
    QString filter;
};

// Asks for the name of a file to save, through the desktop's file dialog;
// empty when the user cancels. suggestion: the file name (and folder) the
// dialog starts with.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestion, const QString& filter);

// For tests: while one of these lives, message boxes are not shown but
// answered from the queue of next answers (then by their default button,
// or the first of their buttons), dialogs are handed to the runner (which
// returns the result), or rejected when there is none, and file dialogs
// are answered from the queue of file names. Everything asked for is
// recorded.
class CScopedModalAnswers {
public:
    using DialogRunner = std::function<int(QDialog&)>;

    CScopedModalAnswers();
    ~CScopedModalAnswers();
    CScopedModalAnswers(const CScopedModalAnswers&) = delete;
    CScopedModalAnswers& operator=(const CScopedModalAnswers&) = delete;

    void AnswerNext(QMessageBox::StandardButton button) { answers_.push_back(button); }
    // The next file dialog returns this name (empty: cancelled); without
    // one queued, a file dialog is cancelled.
    void AnswerNextFileName(const QString& name) { fileNames_.push_back(name); }
    const std::vector<FileNameRequest>& FileDialogs() const { return fileDialogs_; }
    void SetDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

    const std::vector<MessageRequest>& Messages() const { return messages_; }
    // The texts of the messages asked for, in order.
    QStringList MessageTexts() const;
    void ClearMessages() { messages_.clear(); }
    int DialogsRun() const { return dialogsRun_; }

private:
    friend QMessageBox::StandardButton ShowMessage(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                                   QMessageBox::StandardButtons, QMessageBox::StandardButton);
    friend int RunModal(QDialog&);
    friend QString AskSaveFileName(QWidget*, const QString&, const QString&, const QString&);

    std::deque<QMessageBox::StandardButton> answers_;
    std::deque<QString> fileNames_;
    std::vector<FileNameRequest> fileDialogs_;
    DialogRunner runner_;
    std::vector<MessageRequest> messages_;
    int dialogsRun_ = 0;
    CScopedModalAnswers* previous_ = nullptr;
};
