// Every text of every dialog fits its control, in each language we ship and
// at the normal font and 16 pt: the dialogs keep their dialog-unit layout,
// and a longer German or French text must not be cut off. Each dialog is
// opened the way the render tool opens it (DialogTour.h).
#include "DialogTour.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <memory>

namespace {

constexpr int kClockTimeoutMs = 10000;

// What a control's text needs across, in pixels; 0 for a control without
// a text of its own.
int Needed(QWidget& control)
{
    const QFontMetrics metrics = control.fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull() || label->wordWrap())
            return 0;
        return metrics.horizontalAdvance(label->text()) + 2 * label->frameWidth() + 2 * label->margin() +
            label->indent() * (label->indent() > 0);
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        if (button->text().isEmpty())
            return 0;
        const QStyle& style = *button->style();
        return metrics.horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) +
            style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
            2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    }
    if (qobject_cast<QCheckBox*>(&control) || qobject_cast<QRadioButton*>(&control))
        return static_cast<QAbstractButton&>(control).text().isEmpty() ? 0 : control.sizeHint().width();
    if (auto* group = qobject_cast<QGroupBox*>(&control))
        return group->title().isEmpty() ? 0 : group->minimumSizeHint().width();
    return 0;
}

// The text a control shows, for the failure message.
QString Shown(QWidget& control)
{
    if (auto* label = qobject_cast<QLabel*>(&control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(&control))
        return group->title();
    return {};
}

// The controls of the window whose text is cut off, each named with its
// text and what it needs and has. A word-wrapped label is cut off when its
// lines need more height than it has.
QStringList Clipped(QWidget& window)
{
    QStringList clipped;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->window() != &window)
            continue;
        const QString name = QStringLiteral("%1 '%2'").arg(control->objectName().isEmpty()
                                                               ? QString::fromLatin1(control->metaObject()->className())
                                                               : control->objectName(),
                                                           Shown(*control));
        if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap() && !label->text().isEmpty()) {
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                clipped << QStringLiteral("%1 needs %2 px high, has %3").arg(name).arg(needed).arg(label->height());
            continue;
        }
        const int needed = Needed(*control);
        if (needed > control->width())
            clipped << QStringLiteral("%1 needs %2 px across, has %3").arg(name).arg(needed).arg(control->width());
    }
    return clipped;
}

}  // namespace

class TestTextsFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyDialogFits_data();
    void everyDialogFits();
    void cleanup();

private:
    QFont normalFont_;
};

void TestTextsFit::initTestCase()
{
    normalFont_ = QApplication::font();
}

void TestTextsFit::everyDialogFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pointSize");  // 0: the normal font
    for (const char* language : {"en", "de", "fr", "es"}) {
        for (int size : {0, 16})
            QTest::addRow("%s, %s", language, size ? "16 pt" : "normal font") << QString::fromLatin1(language) << size;
    }
}

void TestTextsFit::everyDialogFits()
{
    QFETCH(QString, language);
    QFETCH(int, pointSize);
    QVERIFY(LoadLanguage(language));
    QFont font = normalFont_;
    if (pointSize)
        font.setPointSize(pointSize);
    QApplication::setFont(font);

    AppOptions options;
    options.demo = true;
    CKerovantApp app(options);
    QVERIFY(app.Start());
    CKerovantDlg& window = *app.MainWindow();
    window.show();
    QVERIFY(
        QTest::qWaitFor([&app] { return app.Device() && app.Device()->IsReady() && app.Device()->GetPollCount() > 0; },
                        kClockTimeoutMs));
    window.Refresh();
    QCoreApplication::processEvents();

    QStringList failures;
    const auto check = [&](QWidget& dialog, const char* picture) {
        for (const QString& control : Clipped(dialog))
            failures << QStringLiteral("%1 (%2, %3): %4")
                            .arg(QString::fromLatin1(picture), language,
                                 pointSize ? QStringLiteral("16 pt") : QStringLiteral("normal font"), control);
        return true;
    };
    check(window, "main-window.png");
    VisitAbout(&window, app.Device()->GetProductIndex(), "about.png", check);
    VisitSettingsDialogs(window, check);
    {
        CClockConnection::Hold device = app.Connection()->HoldDevice();
        QVERIFY(device);
        VisitHandPositionDialog(window, *device, check);
    }
    window.close();
    app.Shutdown();
    for (const QString& failure : failures)
        qWarning("cut off: %s", qPrintable(failure));
    QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 controls cut off, listed above").arg(failures.size())));
}

void TestTextsFit::cleanup()
{
    LoadLanguage(QString());
    QApplication::setFont(normalFont_);
}

QTEST_MAIN(TestTextsFit)
#include "test_TextsFit.moc"
