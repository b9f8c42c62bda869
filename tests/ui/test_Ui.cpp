// The shared Qt helpers: the template dialog base, the modal seam, the
// accessibility check, the busy scope and the value slider.
#include "EventLoopWait.h"
#include "ModalSeam.h"
#include "TemplateDialog.h"
#include "ValueSlider.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionSlider>
#include <QTest>

#include <memory>

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
    void initTestCase();
    void templatePositionsFollowTheFont_data();
    void templatePositionsFollowTheFont();
    void controlsCarryIdsNamesAndTabOrder();
    void unnamedControlsAreFound();
    void messagesAreAnsweredInAdvance();
    void dialogsGoToTheRunner();
    void busyScopeSwallowsInputButKeepsEvents();
    void sliderShowsWhereItMoves_data();
    void sliderShowsWhereItMoves();
    void sliderHandleGrowsWithTheFont();
};

void TestUi::initTestCase()
{
    // The geometry below is worked out for this font's metrics.
    QVERIFY2(QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")) >= 0,
             "DejaVu Sans (Debian package fonts-dejavu-core) is missing");
}

void TestUi::templatePositionsFollowTheFont_data()
{
    // DejaVu Sans at 96 dpi. At 9 pt its 52 letters advance 385.06 px and a
    // line is 13.97 px: a horizontal unit (a quarter of the average letter)
    // is 1.851 px, a vertical one (an eighth of the line) 1.746 px. At 16 pt:
    // 674.06 and 24.45 px, units of 3.241 and 3.057 px.
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QSize>("dialog");  // 100 x 60 units
    QTest::addColumn<QRect>("edit");    // at 10, 10, 20 x 12
    QTest::addColumn<QRect>("ok");      // at 45, 45, 50 x 14
    QTest::newRow("9 pt") << 9 << QSize(185, 105) << QRect(19, 17, 37, 21) << QRect(83, 79, 93, 24);
    QTest::newRow("16 pt") << 16 << QSize(324, 183) << QRect(32, 31, 65, 37) << QRect(146, 138, 162, 43);
}

void TestUi::templatePositionsFollowTheFont()
{
    QFETCH(int, pointSize);
    QFETCH(QSize, dialog);
    QFETCH(QRect, edit);
    QFETCH(QRect, ok);
    SampleDialog sample;
    sample.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    sample.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sample));
    // A font change while shown places everything anew.
    sample.setFont(QFont(QStringLiteral("DejaVu Sans"), pointSize));
    QCOMPARE(sample.size(), dialog);
    QCOMPARE(sample.edit->geometry(), edit);
    QCOMPARE(sample.ok->geometry(), ok);
    QCOMPARE(sample.TemplateRect(sample.edit), QRect(10, 10, 20, 12));
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
    CScopedModalAnswers answers;
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
    CScopedModalAnswers answers;
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
        CBusyScope busy;
        QVERIFY(CBusyScope::Active());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTimer::singleShot(5, &dialog, [&] { timerRan = true; });
        QTest::mouseClick(dialog.ok, Qt::LeftButton);
        QTest::keyClick(dialog.edit, Qt::Key_5);
        PauseEvents(30);
    }
    QVERIFY(!CBusyScope::Active());
    QVERIFY(timerRan);
    QCOMPARE(clicks, 0);
    QCOMPARE(dialog.edit->text(), QString());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(dialog.ok, Qt::LeftButton);
    QCOMPARE(clicks, 1);
}

void TestUi::sliderShowsWhereItMoves_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    // From 5, with a page of 2.
    QTest::newRow("right arrow") << int(Qt::Key_Right) << "6";
    QTest::newRow("page down") << int(Qt::Key_PageDown) << "3";
    QTest::newRow("end") << int(Qt::Key_End) << "12";
    QTest::newRow("home") << int(Qt::Key_Home) << "0";
}

void TestUi::sliderShowsWhereItMoves()
{
    QFETCH(int, key);
    QFETCH(QString, shown);
    QWidget window;
    auto* slider = new CValueSlider(Qt::Horizontal, &window);
    slider->setRange(0, 12);
    slider->setPageStep(2);
    slider->setGeometry(20, 60, 300, slider->sizeHint().height());
    // Set by the program, not moved by the user: no bubble.
    slider->setValue(5);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel* bubble = slider->ValueBubble();
    QVERIFY(!bubble->isVisible());

    slider->setFocus();
    QTest::keyClick(slider, Qt::Key(key));
    QVERIFY(bubble->isVisible());
    QCOMPARE(bubble->text(), shown);
    QCOMPARE(QString::number(slider->value()), shown);
    // Over the handle, clear of it, and centred on it.
    const QRect handle(slider->mapToGlobal(slider->HandleRect().topLeft()), slider->HandleRect().size());
    QVERIFY(bubble->frameGeometry().bottom() < handle.top());
    QVERIFY(std::abs(bubble->frameGeometry().center().x() - handle.center().x()) <= 1);
    // It goes a moment after the last move.
    QTRY_VERIFY_WITH_TIMEOUT(!bubble->isVisible(), CValueSlider::kBubbleMs * 3);
}

void TestUi::sliderHandleGrowsWithTheFont()
{
    const auto handleAt = [](int pointSize, bool valueSlider) {
        QFont font = QApplication::font();
        font.setPointSize(pointSize);
        std::unique_ptr<QSlider> slider =
            valueSlider ? std::make_unique<CValueSlider>(Qt::Horizontal) : std::make_unique<QSlider>(Qt::Horizontal);
        slider->setFont(font);
        slider->setTickPosition(QSlider::TicksBothSides);
        slider->resize(300, slider->sizeHint().height());
        QStyleOptionSlider option;
        option.initFrom(slider.get());
        option.orientation = Qt::Horizontal;
        option.maximum = 12;
        option.tickPosition = QSlider::TicksBothSides;
        return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider.get());
    };
    // The style's own size at an ordinary font, and never smaller.
    QCOMPARE(handleAt(9, true).size(), handleAt(9, false).size());
    QVERIFY(handleAt(7, true).width() >= handleAt(7, false).width());
    // At a large font the handle is about as tall as a line of text.
    QFont large = QApplication::font();
    large.setPointSize(24);
    const int lineHeight = QFontMetrics(large).height();
    const QRect big = handleAt(24, true);
    QVERIFY2(big.height() >= lineHeight * 8 / 10 && big.width() >= lineHeight * 8 / 10,
             qPrintable(QStringLiteral("%1x%2 for a line of %3").arg(big.width()).arg(big.height()).arg(lineHeight)));
    QVERIFY(big.height() > handleAt(24, false).height());
}

QTEST_MAIN(TestUi)
#include "test_Ui.moc"
