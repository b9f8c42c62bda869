// A slider for a small range of whole numbers (a level from 0 to 12):
// - while the user moves it (drag, click on the groove, keys, wheel) a
//   bubble over the handle shows the value it is moving to, and stays a
//   moment after the last move;
// - its handle and groove grow with its font, so a large desktop font does
//   not leave a tiny handle to aim at. The style's own sizes are the
//   smallest it gets.
//
// Thread rules: user-interface thread only, as every widget.
#pragma once

#include <QSlider>

class QLabel;
class QTimer;

class CValueSlider : public QSlider {
    Q_OBJECT

public:
    // Line height of the font the styles' slider sizes are drawn for (a 9 or
    // 10 point font on a 96 dpi screen); a taller font scales them up.
    static constexpr int kReferenceFontHeight = 16;
    // How long the bubble stays after the last move.
    static constexpr int kBubbleMs = 1500;

    explicit CValueSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    // The handle's rectangle in the slider's coordinates.
    QRect HandleRect() const;
    // The bubble that shows the value (a tooltip window of the slider's).
    QLabel* ValueBubble() const { return bubble_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void ShowValue();

    QLabel* bubble_ = nullptr;
    QTimer* bubbleTimer_ = nullptr;
};
