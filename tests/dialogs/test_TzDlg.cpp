// The time zone dialog: the bias in and out, picking zones (through the
// filter too), typing, names and layout.
#include "DialogChecks.h"
#include "ModalSeam.h"
#include "TimeFieldGroup.h"
#include "Translations.h"
#include "TzDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace {

// A rule set whose other fields must come back untouched.
DstRuleSet Block(int32_t bias)
{
    DstRuleSet block;
    block.bias = bias;
    block.daylightBias = 3600;
    block.startRule = {0, 3, 0, 2, 2, 0, 0};
    block.endRule = {0, 11, 0, 1, 2, 0, 0};
    return block;
}

QStringList Fields(const CTzDlg& dialog)
{
    QStringList texts;
    for (int i = 0; i < dialog.Fields().FieldCount(); ++i)
        texts << dialog.Fields().Field(i)->text();
    return texts;
}

bool Negative(const CTzDlg& dialog)
{
    return qobject_cast<QCheckBox*>(dialog.Control(CTzDlg::kIdBiasNegative))->isChecked();
}

// Clicks the listed row of a zone, as the user does; whether the dialog
// then reads that zone as selected.
bool SelectZone(CTzDlg& dialog, const QByteArray& id)
{
    const auto& catalogue = dialog.Catalogue();
    const auto entry =
        std::find_if(catalogue.begin(), catalogue.end(), [&](const TimeZoneEntry& zone) { return zone.keyName == id; });
    if (entry == catalogue.end())
        return false;
    QAbstractItemModel* listed = dialog.ZoneList()->model();
    for (int row = 0; row < listed->rowCount(); ++row) {
        const QModelIndex index = listed->index(row, 0);
        if (index.data().toString() != entry->displayName)
            continue;
        dialog.ZoneList()->scrollTo(index);
        QTest::mouseClick(dialog.ZoneList()->viewport(), Qt::LeftButton, {},
                          dialog.ZoneList()->visualRect(index).center());
        return dialog.SelectedEntry() == static_cast<int>(entry - catalogue.begin());
    }
    return false;
}

int Ok(CTzDlg& dialog)
{
    qobject_cast<QPushButton*>(dialog.Control(CTzDlg::kIdOk))->click();
    return dialog.result();
}

}  // namespace

class TestTzDlg : public QObject {
    Q_OBJECT

private slots:
    void openingShowsTheBias_data();
    void openingShowsTheBias();
    void pickingAZoneFillsTheFieldsFromItsBaseBias_data();
    void pickingAZoneFillsTheFieldsFromItsBaseBias();
    void typedBias();
    void cancelLeavesTheCallersBias();
    void filterNarrowsTheListAndSelectionReadsTheEntry();
    void filterKeysGoOnToTheList();
    void emptyCatalogueStillEditsTheBias();
    void zoneNamesInTheWindowsLanguage_data();
    void zoneNamesInTheWindowsLanguage();
    void everyControlNamedAndFilterBeforeList();
    void nothingClips_data();
    void nothingClips();
};

void TestTzDlg::openingShowsTheBias_data()
{
    QTest::addColumn<int>("bias");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("negative");
    QTest::newRow("-18000") << -18000 << QStringList{"05", "00", "00"} << true;
    QTest::newRow("+3600") << 3600 << QStringList{"01", "00", "00"} << false;
    QTest::newRow("0") << 0 << QStringList{"00", "00", "00"} << false;
    QTest::newRow("+20700") << 20700 << QStringList{"05", "45", "00"} << false;
    QTest::newRow("-37230") << -37230 << QStringList{"10", "20", "30"} << true;
}

void TestTzDlg::openingShowsTheBias()
{
    QFETCH(int, bias);
    QFETCH(QStringList, fields);
    QFETCH(bool, negative);

    CTzDlg dialog(nullptr, Block(bias));
    QCOMPARE(Fields(dialog), fields);
    QCOMPARE(Negative(dialog), negative);
    QCOMPARE(dialog.SelectedEntry(), -1);
    QCOMPARE(dialog.ListedCount(), int(dialog.Catalogue().size()));
    QCOMPARE(dialog.Fields().BoundField(), nullptr);
    // OK without a change gives the bias back, and the rest of the block.
    QCOMPARE(Ok(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.Result(), Block(bias));
}

void TestTzDlg::pickingAZoneFillsTheFieldsFromItsBaseBias_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<int>("bias");
    QTest::newRow("America/New_York, +300")
        << QByteArray("America/New_York") << QStringList{"05", "00", "00"} << true << -18000;
    QTest::newRow("Asia/Kolkata, -330") << QByteArray("Asia/Kolkata") << QStringList{"05", "30", "00"} << false
                                        << 19800;
    QTest::newRow("UTC, 0") << QByteArray("UTC") << QStringList{"00", "00", "00"} << false << 0;
    QTest::newRow("Pacific/Kiritimati, -840")
        << QByteArray("Pacific/Kiritimati") << QStringList{"14", "00", "00"} << false << 50400;
}

void TestTzDlg::pickingAZoneFillsTheFieldsFromItsBaseBias()
{
    QFETCH(QByteArray, zone);
    QFETCH(QStringList, fields);
    QFETCH(bool, negative);
    QFETCH(int, bias);

    // Opened with the box ticked and seconds set: picking replaces them all.
    CTzDlg dialog(nullptr, Block(-3661));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(SelectZone(dialog, zone));
    QCOMPARE(Fields(dialog), fields);
    QCOMPARE(Negative(dialog), negative);
    QCOMPARE(Ok(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.Result().bias, bias);
    QCOMPARE(dialog.Result().daylightBias, 3600);
}

void TestTzDlg::typedBias()
{
    CTzDlg dialog(nullptr, Block(0));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* hours = dialog.Fields().Field(CTzDlg::kHours);
    QLineEdit* minutes = dialog.Fields().Field(CTzDlg::kMinutes);
    QLineEdit* seconds = dialog.Fields().Field(CTzDlg::kSeconds);

    // "25" in the hours leaves "5"; "75" in the minutes becomes "05".
    hours->setFocus();
    hours->selectAll();
    QTest::keyClicks(hours, QStringLiteral("25"));
    QCOMPARE(hours->text(), QStringLiteral("5"));
    minutes->setFocus();
    minutes->selectAll();
    QTest::keyClicks(minutes, QStringLiteral("75"));
    QCOMPARE(minutes->text(), QStringLiteral("05"));
    // The spin steps the field that has focus.
    QTest::mouseClick(dialog.findChild<CNarrowSpin*>()->UpArrow(), Qt::LeftButton);
    QCOMPARE(minutes->text(), QStringLiteral("6"));
    seconds->setFocus();
    seconds->clear();
    QTest::keyClick(qobject_cast<QCheckBox*>(dialog.Control(CTzDlg::kIdBiasNegative)), Qt::Key_Space);
    QVERIFY(Negative(dialog));
    QCOMPARE(Ok(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.Result().bias, -(5 * 3600 + 6 * 60));

    // Ticked with every field zero or empty: 0, not a negative zero.
    CTzDlg zero(nullptr, Block(0));
    zero.Fields().Field(CTzDlg::kHours)->setText(QStringLiteral("0"));
    zero.Fields().Field(CTzDlg::kMinutes)->clear();
    zero.Fields().Field(CTzDlg::kSeconds)->clear();
    qobject_cast<QCheckBox*>(zero.Control(CTzDlg::kIdBiasNegative))->setChecked(true);
    QCOMPARE(Ok(zero), int(QDialog::Accepted));
    QCOMPARE(zero.Result().bias, 0);
}

void TestTzDlg::cancelLeavesTheCallersBias()
{
    const DstRuleSet given = Block(7200);
    CScopedModalAnswers answers;
    answers.SetDialogRunner([](QDialog& d) {
        auto& dialog = static_cast<CTzDlg&>(d);
        dialog.show();
        if (!SelectZone(dialog, "America/New_York"))
            return -1;
        qobject_cast<QPushButton*>(dialog.Control(CTzDlg::kIdCancel))->click();
        return dialog.result();
    });
    CTzDlg dialog(nullptr, given);
    QCOMPARE(RunModal(dialog), int(QDialog::Rejected));
    QCOMPARE(dialog.Result(), given);
}

void TestTzDlg::filterNarrowsTheListAndSelectionReadsTheEntry()
{
    CTzDlg dialog(nullptr, Block(0));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const int all = dialog.ListedCount();

    dialog.Filter()->setFocus();
    QTest::keyClicks(dialog.Filter(), QStringLiteral("berlin"));
    QCOMPARE(dialog.ListedCount(), 1);
    QVERIFY(SelectZone(dialog, "Europe/Berlin"));
    QCOMPARE(Fields(dialog), (QStringList{"01", "00", "00"}));

    // Every zone listed for an offset has it, and the first one picked is
    // read from the catalogue by its own index, not its place in the list.
    dialog.Filter()->setText(QStringLiteral("+05:30"));
    QVERIFY(dialog.ListedCount() >= 2 && dialog.ListedCount() < all);
    QCOMPARE(dialog.SelectedEntry(), -1);                       // Berlin is filtered out: nothing selected
    QCOMPARE(Fields(dialog), (QStringList{"01", "00", "00"}));  // and the fields stay
    QVERIFY(SelectZone(dialog, "Asia/Kolkata"));
    const int entry = dialog.SelectedEntry();
    QVERIFY(entry > 0);
    QCOMPARE(dialog.Catalogue()[static_cast<size_t>(entry)].biasMinutes, -330);
    QCOMPARE(Fields(dialog), (QStringList{"05", "30", "00"}));

    // Clearing the filter brings every zone back, the choice still selected.
    dialog.Filter()->clear();
    QCOMPARE(dialog.ListedCount(), all);
    QCOMPARE(dialog.SelectedEntry(), entry);
    QCOMPARE(Ok(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.Result().bias, 19800);
}

void TestTzDlg::filterKeysGoOnToTheList()
{
    CTzDlg dialog(nullptr, Block(-18000));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.Filter()->setFocus();
    QTest::keyClicks(dialog.Filter(), QStringLiteral("kathmandu"));
    // Return picks the zone found rather than closing the dialog.
    QTest::keyClick(dialog.Filter(), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QVERIFY(dialog.ZoneList()->hasFocus());
    QCOMPARE(dialog.Catalogue()[static_cast<size_t>(dialog.SelectedEntry())].keyName, QByteArray("Asia/Kathmandu"));
    QCOMPARE(Fields(dialog), (QStringList{"05", "45", "00"}));
    QVERIFY(!Negative(dialog));
}

void TestTzDlg::emptyCatalogueStillEditsTheBias()
{
    CTzDlg dialog(nullptr, Block(-18000), {});
    QCOMPARE(dialog.ListedCount(), 0);
    dialog.Fields().Field(CTzDlg::kHours)->setText(QStringLiteral("3"));
    QCOMPARE(Ok(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.Result().bias, -10800);
}

void TestTzDlg::zoneNamesInTheWindowsLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("berlin");
    QTest::newRow("C") << QString() << QStringLiteral("(UTC+01:00) Europe/Berlin - Central European Standard Time");
    QTest::newRow("de") << QStringLiteral("de")
                        << QStringLiteral("(UTC+01:00) Europe/Berlin - Mitteleuropäische Normalzeit");
}

// Whatever the environment's locale: the names follow the translation.
void TestTzDlg::zoneNamesInTheWindowsLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, berlin);
    QVERIFY(LoadLanguage(language));
    CTzDlg dialog(nullptr, Block(0));
    LoadLanguage(QString());
    QAbstractItemModel* listed = dialog.ZoneList()->model();
    QStringList rows;
    for (int row = 0; row < listed->rowCount(); ++row)
        rows << listed->index(row, 0).data().toString();
    QVERIFY2(rows.contains(berlin), qPrintable(rows.filter(QStringLiteral("Berlin")).join(QLatin1Char(';'))));
}

void TestTzDlg::everyControlNamedAndFilterBeforeList()
{
    CTzDlg dialog(nullptr, Block(0));
    QCOMPARE(UnnamedControls(dialog), QStringList());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Time Zone Configuration"));
    QCOMPARE(dialog.Filter()->accessibleName(), QStringLiteral("Filter time zones"));
    QCOMPARE(dialog.Control(CTzDlg::kIdHours)->accessibleName(), QStringLiteral("bias hours"));
    QCOMPARE(dialog.Control(CTzDlg::kIdMinutes)->accessibleName(), QStringLiteral("bias minutes"));
    QCOMPARE(dialog.Control(CTzDlg::kIdSeconds)->accessibleName(), QStringLiteral("bias seconds"));
    auto* spin = qobject_cast<CNarrowSpin*>(dialog.Control(CTzDlg::kIdSpin));
    QVERIFY(spin);
    QCOMPARE(spin->accessibleName(), QStringLiteral("spin of the three bias fields"));
    QCOMPARE(spin->UpArrow()->accessibleName(), QStringLiteral("bias up"));
    QCOMPARE(spin->DownArrow()->accessibleName(), QStringLiteral("bias down"));
    QVERIFY(!dialog.ZoneList()->accessibleName().isEmpty());

    // Tab order: OK, Cancel, filter, list, box... the filter right before
    // the list it narrows, and the three fields in a row.
    QCOMPARE(NextTabStop(dialog.Control(CTzDlg::kIdCancel)), static_cast<QWidget*>(dialog.Filter()));
    QCOMPARE(NextTabStop(dialog.Filter()), static_cast<QWidget*>(dialog.ZoneList()));
    QCOMPARE(NextTabStop(dialog.Control(CTzDlg::kIdHours)), dialog.Control(CTzDlg::kIdMinutes));
    QCOMPARE(NextTabStop(dialog.Control(CTzDlg::kIdMinutes)), dialog.Control(CTzDlg::kIdSeconds));
    // The template rows below the filter moved down by as much as it needs.
    QCOMPARE(dialog.TemplateRect(dialog.ZoneList()), QRect(7, 51, 254, 83));
    QCOMPARE(dialog.TemplateRect(dialog.Control(CTzDlg::kIdOk)), QRect(59, 180, 50, 14));
}

void TestTzDlg::nothingClips_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("normal") << QApplication::font().pointSize();
    QTest::newRow("16 pt") << 16;
}

void TestTzDlg::nothingClips()
{
    QFETCH(int, pointSize);
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    CTzDlg dialog(nullptr, Block(-18000));
    dialog.setFont(font);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList clipped = ClippedTexts(dialog);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
    // A whole display name fits the list's width.
    const QFontMetrics metrics(dialog.ZoneList()->font());
    QVERIFY(dialog.ZoneList()->viewport()->width() >
            metrics.horizontalAdvance(QStringLiteral("(UTC+05:30) Asia/Kolkata - India Standard Time")));
}

QTEST_MAIN(TestTzDlg)
#include "test_TzDlg.moc"
