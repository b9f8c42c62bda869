// Draws the year strip (DstYearStrip.h) under the preview line: a bar for
// the coming twelve months with the months named under it, the daylight
// period shaded and each change marked with its day above it. Every colour
// comes from the palette and every size from the font, so the strip reads
// in a dark palette, at any font size and on a screen of any scale.
//
// User-interface thread only.
#pragma once

#include "DstYearStrip.h"

#include <QWidget>

class CDstYearStripView : public QWidget {
    Q_OBJECT

public:
    explicit CDstYearStripView(QWidget* parent = nullptr);

    // Shows a strip; description is what a screen reader reads for it (the
    // preview's text).
    void SetStrip(DstYearStrip strip, const QString& description);
    const DstYearStrip& Strip() const { return strip_; }

    // The height the strip needs in its font: a row of days, the bar, a row
    // of months.
    int NeededHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DstYearStrip strip_;
};
