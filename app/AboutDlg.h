// The About box: product title, description, copyright notice, version line
// and, for the two known brands, the brand's logo. The branding follows the
// product that the device object the main window shows has identified;
// nothing else is read and the clock is never asked, so it works while the
// clock is offline.
#pragma once

#include "ClockRecords.h"
#include "DialogUnits.h"

#include <QDialog>

#include <cstdint>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids of the About box; each control also carries an objectName.
    enum ControlId : int {
        kIdOk = 1,
        kIdCopyright = 1094,
        kIdLogoPartner = 1095,
        kIdDescription = 1096,
        kIdLogoMaker = 1097,
        kIdProductTitle = 1098,
    };

    // productIndex: the row of g_products identified, kNoProduct for none.
    explicit CAboutDlg(QWidget* parent = nullptr, uint8_t productIndex = kNoProduct);

    // The control with the given id, or null.
    QWidget* Control(int id) const;

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ApplyBranding(uint8_t productIndex);
    void ApplyMetrics();
    // Draws the logos for their size and the screen's pixel ratio.
    void RenderLogos();

    QHBoxLayout* root_ = nullptr;
    QVBoxLayout* textColumn_ = nullptr;
    QWidget* logoArea_ = nullptr;
    QLabel* logoMaker_ = nullptr;
    QLabel* logoPartner_ = nullptr;
    QLineEdit* productTitle_ = nullptr;
    QLabel* description_ = nullptr;
    QLineEdit* copyright_ = nullptr;
    QLabel* version_ = nullptr;
    QPushButton* ok_ = nullptr;
    // The size the window was last fitted to its font.
    CTemplateSize templateSize_{285, 116};  // the template, in dialog units
};
