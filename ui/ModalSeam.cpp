#include "ModalSeam.h"

#include "Strings.h"
#include "Translations.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>

namespace {

CScopedModalAnswers* g_answers = nullptr;

QMessageBox::StandardButton FirstButton(QMessageBox::StandardButtons buttons)
{
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons & bit)
            return static_cast<QMessageBox::StandardButton>(bit);
    }
    return QMessageBox::NoButton;
}

}  // namespace

CScopedModalAnswers::CScopedModalAnswers() : previous_(g_answers)
{
    g_answers = this;
}

CScopedModalAnswers::~CScopedModalAnswers()
{
    g_answers = previous_;
}

QStringList CScopedModalAnswers::MessageTexts() const
{
    QStringList texts;
    for (const MessageRequest& message : messages_)
        texts << message.text;
    return texts;
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    const QString title = caption.isEmpty() ? QApplication::applicationName() : caption;
    if (g_answers) {
        g_answers->messages_.push_back({icon, title, text, buttons});
        if (!g_answers->answers_.empty()) {
            const QMessageBox::StandardButton answer = g_answers->answers_.front();
            g_answers->answers_.pop_front();
            return answer;
        }
        return defaultButton != QMessageBox::NoButton ? defaultButton : FirstButton(buttons);
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

void ShowProgramMessage(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
}

QString WriteFailureMessage(const char* failure, WriteOutcome outcome)
{
    const char* what = nullptr;
    switch (outcome) {
    case WriteOutcome::Refused: what = kStrWriteRefused; break;
    case WriteOutcome::Pending:  // still undecided when the caller gave up
    case WriteOutcome::Unanswered: what = kStrWriteUnanswered; break;
    case WriteOutcome::LinkLost: what = kStrWriteLinkLost; break;
    case WriteOutcome::Replaced: what = kStrWriteReplaced; break;
    case WriteOutcome::Differs: what = kStrWriteDiffers; break;
    case WriteOutcome::Landed: break;
    }
    return what ? Tr(failure) + QLatin1Char('\n') + Tr(what) : Tr(failure);
}

int RunModal(QDialog& dialog)
{
    if (g_answers) {
        ++g_answers->dialogsRun_;
        if (!g_answers->runner_)
            return QDialog::Rejected;
        return g_answers->runner_(dialog);
    }
    return dialog.exec();
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestion, const QString& filter)
{
    if (g_answers) {
        g_answers->fileDialogs_.push_back({caption, suggestion, filter});
        if (g_answers->fileNames_.empty())
            return QString();
        const QString name = g_answers->fileNames_.front();
        g_answers->fileNames_.pop_front();
        return name;
    }
    return QFileDialog::getSaveFileName(parent, caption, suggestion, filter);
}
