// The time code settings dialog: the choice at opening and after each
// click, what Cancel leaves; names and layout.
#include "ModalSeam.h"
#include "TimeCodeSettingsDlg.h"
#include "dialogs/DialogChecks.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QRadioButton* Radio(const CTimeCodeSettingsDlg& dialog, int id)
{
    return qobject_cast<QRadioButton*>(dialog.Control(id));
}

}  // namespace

class TestTimeCodeSettings : public QObject {
    Q_OBJECT

private slots:
    void openingShowsTheChoice_data();
    void openingShowsTheChoice();
    void eachClickTakesZeroOrOne();
    void cancelAfterAChangeIsReported();
    void everyControlNamedAndNothingClips();
};

void TestTimeCodeSettings::openingShowsTheChoice_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("useDate");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("any other value") << 0x5A << true;
}

void TestTimeCodeSettings::openingShowsTheChoice()
{
    QFETCH(int, choice);
    QFETCH(bool, useDate);
    CTimeCodeSettingsDlg dialog(nullptr, static_cast<uint8_t>(choice));
    QCOMPARE(Radio(dialog, CTimeCodeSettingsDlg::kIdUseDate)->isChecked(), useDate);
    QCOMPARE(Radio(dialog, CTimeCodeSettingsDlg::kIdIgnoreDate)->isChecked(), !useDate);
    QCOMPARE(int(dialog.Choice()), useDate ? 1 : 0);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Time Code Settings"));
}

void TestTimeCodeSettings::eachClickTakesZeroOrOne()
{
    CTimeCodeSettingsDlg dialog(nullptr, 0x5A);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QRadioButton* use = Radio(dialog, CTimeCodeSettingsDlg::kIdUseDate);
    QRadioButton* ignore = Radio(dialog, CTimeCodeSettingsDlg::kIdIgnoreDate);

    QTest::mouseClick(use, Qt::LeftButton);  // already selected: still a click
    QCOMPARE(dialog.Choice(), uint8_t{1});
    QTest::mouseClick(ignore, Qt::LeftButton);
    QCOMPARE(dialog.Choice(), uint8_t{0});
    QVERIFY(ignore->isChecked() && !use->isChecked());
    // The keyboard: the arrow key moves to the other choice and takes it.
    ignore->setFocus();
    QTest::keyClick(ignore, Qt::Key_Up);
    QCOMPARE(dialog.Choice(), uint8_t{1});
    QVERIFY(use->isChecked() && !ignore->isChecked());
    qobject_cast<QPushButton*>(dialog.Control(CTimeCodeSettingsDlg::kIdOk))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Choice(), uint8_t{1});
}

void TestTimeCodeSettings::cancelAfterAChangeIsReported()
{
    // The choice follows the click; Cancel says the caller must not use it.
    CScopedModalAnswers answers;
    answers.SetDialogRunner([](QDialog& d) {
        auto& dialog = static_cast<CTimeCodeSettingsDlg&>(d);
        Radio(dialog, CTimeCodeSettingsDlg::kIdIgnoreDate)->click();
        qobject_cast<QPushButton*>(dialog.Control(CTimeCodeSettingsDlg::kIdCancel))->click();
        return dialog.result();
    });
    CTimeCodeSettingsDlg dialog(nullptr, 1);
    QCOMPARE(RunModal(dialog), int(QDialog::Rejected));
    QCOMPARE(dialog.Choice(), uint8_t{0});
}

void TestTimeCodeSettings::everyControlNamedAndNothingClips()
{
    for (int pointSize : {QApplication::font().pointSize(), 16}) {
        CTimeCodeSettingsDlg dialog(nullptr, 0);
        QFont font = QApplication::font();
        font.setPointSize(pointSize);
        dialog.setFont(font);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(UnnamedControls(dialog), QStringList());
        const QStringList clipped = ClippedTexts(dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
        QVERIFY(qobject_cast<QPushButton*>(dialog.Control(CTimeCodeSettingsDlg::kIdOk))->isDefault());
    }
}

QTEST_MAIN(TestTimeCodeSettings)
#include "test_TimeCodeSettings.moc"
