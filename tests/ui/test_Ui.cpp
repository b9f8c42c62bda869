// The shared Qt helpers: the template dialog base, the modal seam, the
// accessibility check and the busy scope.
#include "EventLoopWait.h"
#include "ModalSeam.h"
#include "TemplateDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A small template: a frame, an edit without text, a check box and OK.
class SampleDialog : public CTemplateDialog {
public:
    explicit SampleDialog(bool nameTheEdit = true) : CTemplateDialog(nullptr, 100, 60, QStringLiteral("Sample"))
    {
        AddGroupBox(1020, "frame", QString(), QRect(5, 5, 60, 25));
        edit = Place(new QLineEdit, 1016, "hours", QRect(10, 10, 20, 12),
                     nameTheEdit ? QStringLiteral("bias hours") : QString());
        check = Place(new QCheckBox(QStringLiteral("Bias is &negative?")), 1014, "negative", QRect(10, 35, 80, 10));
        ok = Place(new QPushButton(QStringLiteral("OK")), 1, "ok", QRect(45, 45, 50, 14));
    }
    QLineEdit* edit;
    QCheckBox* check;
    QPushButton* ok;
};

}  // namespace

class TestUi : public QObject {
    Q_OBJECT

private slots:
    void templatePositionsFollowTheFont();
    void controlsCarryIdsNamesAndTabOrder();
    void unnamedControlsAreFound();
    void messagesAreAnsweredInAdvance();
    void dialogsGoToTheRunner();
    void busyScopeSwallowsInputButKeepsEvents();
};

void TestUi::templatePositionsFollowTheFont()
{
    SampleDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const DialogUnits du(dialog.font());
    QCOMPARE(dialog.size(), du.size(100, 60));
    QCOMPARE(dialog.edit->geometry(), du.rect(10, 10, 20, 12));
    QCOMPARE(dialog.TemplateRect(dialog.edit), QRect(10, 10, 20, 12));

    QFont big = dialog.font();
    big.setPointSize(16);
    dialog.setFont(big);
    const DialogUnits bigDu(big);
    QVERIFY(bigDu.x(100) > du.x(100));
    QCOMPARE(dialog.size(), bigDu.size(100, 60));
    QCOMPARE(dialog.ok->geometry(), bigDu.rect(45, 45, 50, 14));
}

void TestUi::controlsCarryIdsNamesAndTabOrder()
{
    SampleDialog dialog;
    QCOMPARE(dialog.Control(1016), dialog.edit);
    QCOMPARE(dialog.Control(1), dialog.ok);
    QCOMPARE(dialog.Control(999), nullptr);
    QCOMPARE(dialog.edit->objectName(), QStringLiteral("hours"));
    // The mnemonic's ampersand is no part of what a screen reader says.
    QCOMPARE(dialog.check->accessibleName(), QStringLiteral("Bias is negative?"));
    // Template order is tab order.
    QCOMPARE(dialog.edit->nextInFocusChain(), static_cast<QWidget*>(dialog.check));
    QCOMPARE(dialog.check->nextInFocusChain(), static_cast<QWidget*>(dialog.ok));
}

void TestUi::unnamedControlsAreFound()
{
    SampleDialog named;
    QVERIFY(UnnamedControls(named).isEmpty());
    SampleDialog unnamed(false);
    QCOMPARE(UnnamedControls(unnamed), QStringList{QStringLiteral("hours")});
}

void TestUi::messagesAreAnsweredInAdvance()
{
    ScopedModalAnswers answers;
    answers.AnswerNext(QMessageBox::No);
    QCOMPARE(ShowMessage(nullptr, QMessageBox::Critical, QStringLiteral("Are you sure?"), QStringLiteral("Really?"),
                         QMessageBox::Yes | QMessageBox::No),
             QMessageBox::No);
    // Without a queued answer: the default button, else the first one.
    QCOMPARE(ShowMessage(nullptr, QMessageBox::Question, QString(), QStringLiteral("Again?"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
             QMessageBox::No);
    ShowProgramMessage(nullptr, QStringLiteral("No communication with clock."));
    QCOMPARE(answers.Messages().size(), size_t{3});
    QCOMPARE(answers.Messages()[0].caption, QStringLiteral("Are you sure?"));
    QCOMPARE(answers.Messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(answers.Messages()[2].caption, QApplication::applicationName());
    QCOMPARE(answers.Messages()[2].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(answers.MessageTexts().last(), QStringLiteral("No communication with clock."));
}

void TestUi::dialogsGoToTheRunner()
{
    ScopedModalAnswers answers;
    SampleDialog dialog;
    QCOMPARE(RunModal(dialog), int(QDialog::Rejected));  // no runner: rejected, never shown
    answers.SetDialogRunner([](QDialog& d) {
        auto& sample = static_cast<SampleDialog&>(d);
        sample.check->setChecked(true);
        return int(QDialog::Accepted);
    });
    QCOMPARE(RunModal(dialog), int(QDialog::Accepted));
    QVERIFY(dialog.check->isChecked());
    QCOMPARE(answers.DialogsRun(), 2);
}

void TestUi::busyScopeSwallowsInputButKeepsEvents()
{
    SampleDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    int clicks = 0;
    connect(dialog.ok, &QPushButton::clicked, &dialog, [&] { ++clicks; });
    bool timerRan = false;
    {
        BusyScope busy;
        QVERIFY(BusyScope::Active());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTimer::singleShot(5, &dialog, [&] { timerRan = true; });
        QTest::mouseClick(dialog.ok, Qt::LeftButton);
        QTest::keyClick(dialog.edit, Qt::Key_5);
        PauseEvents(30);
    }
    QVERIFY(!BusyScope::Active());
    QVERIFY(timerRan);
    QCOMPARE(clicks, 0);
    QCOMPARE(dialog.edit->text(), QString());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(dialog.ok, Qt::LeftButton);
    QCOMPARE(clicks, 1);
}

QTEST_MAIN(TestUi)
#include "test_Ui.moc"
