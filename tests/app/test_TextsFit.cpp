// Every text of every dialog fits its control, in each language we ship and
// at the normal font and 16 pt: the dialogs keep their dialog-unit layout,
// and a longer German or French text must not be cut off. And every text
// they show goes through the translation. Each dialog is opened the way the
// render tool opens it (DialogTour.h).
#include "DialogTour.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

constexpr int kClockTimeoutMs = 10000;

// A translation that brackets every text of ours: a text shown without the
// brackets did not go through the translation.
class CBracketing : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "Kerovant") == 0 ? QStringLiteral("[%1]").arg(QString::fromUtf8(source)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// The texts of the window shown as they were written, not as the
// translation gave them. Colons between fields are punctuation.
QStringList Untranslated(QWidget& window)
{
    QStringList texts;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->window() != &window)
            continue;
        QStringList shown;
        if (auto* label = qobject_cast<QLabel*>(control))
            shown << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            shown << group->title();
        else if (auto* list = qobject_cast<QComboBox*>(control)) {
            for (int i = 0; i < list->count(); ++i)
                shown << list->itemText(i);
        }
        for (const QString& text : shown) {
            if (!text.isEmpty() && text != QLatin1String(":") && !text.contains(QLatin1Char('[')))
                texts << QStringLiteral("%1 '%2'").arg(control->objectName(), text);
        }
    }
    return texts;
}

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
            // A word longer than the line is not wrapped but cut.
            int widest = 0;
            for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+"))))
                widest = std::max(widest, label->fontMetrics().horizontalAdvance(word));
            if (widest > label->contentsRect().width())
                clipped << QStringLiteral("%1 needs %2 px across for a word, has %3")
                               .arg(name)
                               .arg(widest)
                               .arg(label->contentsRect().width());
            continue;
        }
        const int needed = Needed(*control);
        if (needed > control->width())
            clipped << QStringLiteral("%1 needs %2 px across, has %3").arg(name).arg(needed).arg(control->width());
    }
    return clipped;
}

// The main window on the demo clock, and every dialog of the tour.
void VisitAll(const DialogVisit& visit)
{
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
    visit(window, "main-window.png");
    VisitAbout(&window, app.Device()->GetProductIndex(), "about.png", visit);
    VisitSettingsDialogs(window, visit);
    {
        CClockConnection::Hold device = app.Connection()->HoldDevice();
        QVERIFY(device);
        VisitHandPositionDialog(window, *device, visit);
    }
    window.close();
    app.Shutdown();
}

}  // namespace

class TestTextsFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated();
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

void TestTextsFit::everyTextIsTranslated()
{
    CBracketing bracketing;
    QCoreApplication::installTranslator(&bracketing);
    QStringList failures;
    VisitAll([&](QWidget& dialog, const char* picture) {
        for (const QString& text : Untranslated(dialog))
            failures << QStringLiteral("%1: %2").arg(QString::fromLatin1(picture), text);
        return true;
    });
    QCoreApplication::removeTranslator(&bracketing);
    if (QTest::currentTestFailed())
        return;
    for (const QString& failure : failures)
        qWarning("not translated: %s", qPrintable(failure));
    QVERIFY2(failures.isEmpty(),
             qPrintable(QStringLiteral("%1 texts not translated, listed above").arg(failures.size())));
}

void TestTextsFit::everyDialogFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pointSize");  // 0: the normal font
    for (const char* language : {"en", "de", "fr", "es", "it", "pt_BR"}) {
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

    QStringList failures;
    VisitAll([&](QWidget& dialog, const char* picture) {
        for (const QString& control : Clipped(dialog))
            failures << QStringLiteral("%1 (%2, %3): %4")
                            .arg(QString::fromLatin1(picture), language,
                                 pointSize ? QStringLiteral("16 pt") : QStringLiteral("normal font"), control);
        return true;
    });
    if (QTest::currentTestFailed())
        return;
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
