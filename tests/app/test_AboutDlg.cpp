// The About box: branding by the identified product, fixed texts, layout.
#include "AboutDlg.h"
#include "DialogUnits.h"
#include "StatusText.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestAboutDlg : public QObject {
    Q_OBJECT

private slots:
    void brandingFollowsProduct_data();
    void brandingFollowsProduct();
    void fixedTexts();
    void noTextClipsAtAnyFontSize_data();
    void noTextClipsAtAnyFontSize();
};

void TestAboutDlg::brandingFollowsProduct_data()
{
    QTest::addColumn<int>("productIndex");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("copyright");
    QTest::addColumn<bool>("makerLogo");
    QTest::addColumn<bool>("partnerLogo");

    QTest::newRow("none identified") << int(kNoProduct) << "Clock Configuration Utility"
                                     << QString::fromUtf8("\u00A9 2011") << false << false;
    QTest::newRow("brand 1 (family 0x0150)")
        << 0 << "TORVEX - Set" << QString::fromUtf8("\u00A9 2011 Zelvora, Inc") << true << false;
    QTest::newRow("brand 3 (family 0x0350)")
        << 1 << "QVR-Set" << QString::fromUtf8("\u00A9 2011 Quorvane") << false << true;
    QTest::newRow("row outside the table")
        << 7 << "Clock Configuration Utility" << QString::fromUtf8("\u00A9 2011") << false << false;
}

void TestAboutDlg::brandingFollowsProduct()
{
    QFETCH(int, productIndex);
    QFETCH(QString, product);
    QFETCH(QString, copyright);
    QFETCH(bool, makerLogo);
    QFETCH(bool, partnerLogo);

    CAboutDlg about(nullptr, static_cast<uint8_t>(productIndex));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    QCOMPARE(about.windowTitle(), QStringLiteral("About Orvessa Configuration Utility"));
    auto* title = qobject_cast<QLineEdit*>(about.Control(CAboutDlg::kIdProductTitle));
    auto* notice = qobject_cast<QLineEdit*>(about.Control(CAboutDlg::kIdCopyright));
    QVERIFY(title && notice);
    QCOMPARE(title->text(), product);
    QCOMPARE(notice->text(), copyright);
    QVERIFY(title->isReadOnly() && notice->isReadOnly());

    auto* maker = qobject_cast<QLabel*>(about.Control(CAboutDlg::kIdLogoMaker));
    auto* partner = qobject_cast<QLabel*>(about.Control(CAboutDlg::kIdLogoPartner));
    QVERIFY(maker && partner);
    QCOMPARE(maker->isVisible(), makerLogo);
    QCOMPARE(partner->isVisible(), partnerLogo);
    for (QLabel* logo : {maker, partner}) {
        if (logo->isVisible())
            QVERIFY(!logo->pixmap().isNull() && logo->pixmap().width() > 1);
    }
    // The two brands' product titles are the main window's titles for them.
    if (makerLogo || partnerLogo)
        QCOMPARE(product, QString::fromStdString(ProductTitle(static_cast<uint8_t>(productIndex))));
}

void TestAboutDlg::fixedTexts()
{
    CAboutDlg about;
    QCOMPARE(qobject_cast<QLabel*>(about.Control(CAboutDlg::kIdDescription))->text(),
             QStringLiteral("This is a desktop application that configures an Orvessa via a USB cable."));
    auto* version = about.findChild<QLabel*>(QStringLiteral("version"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version 1.4.0  07/28/2011"));
    QVERIFY(version->alignment() & Qt::AlignHCenter);
    auto* ok = qobject_cast<QPushButton*>(about.Control(CAboutDlg::kIdOk));
    QVERIFY(ok && ok->isDefault());
    QCOMPARE(ok->text(), QStringLiteral("OK"));
}

void TestAboutDlg::noTextClipsAtAnyFontSize_data()
{
    QTest::addColumn<int>("pointSize");
    for (int size : {7, 9, 12, 16, 24})
        QTest::addRow("%d pt", size) << size;
}

void TestAboutDlg::noTextClipsAtAnyFontSize()
{
    QFETCH(int, pointSize);
    CAboutDlg about(nullptr, 0);  // a logo shown
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    about.setFont(font);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    const CDialogUnits du(about.font());
    QVERIFY(about.width() >= du.x(285) && about.height() >= du.y(116));
    const QFontMetrics metrics(about.font());
    for (QLineEdit* edit : about.findChildren<QLineEdit*>())
        QVERIFY2(edit->width() > metrics.horizontalAdvance(edit->text()) + 4, qPrintable(edit->text()));
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        if (label->pixmap().isNull() && !label->wordWrap())
            QVERIFY2(label->width() >= metrics.horizontalAdvance(label->text()), qPrintable(label->text()));
        if (label->wordWrap())
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));
        if (!label->pixmap().isNull())
            QVERIFY(label->width() >= label->pixmap().deviceIndependentSize().width());
    }
    auto* ok = about.Control(CAboutDlg::kIdOk);
    QVERIFY(about.rect().contains(ok->geometry()));
}

QTEST_MAIN(TestAboutDlg)
#include "test_AboutDlg.moc"
