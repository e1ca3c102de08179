#pragma once
// TfrmProfile: the graphic profile window.
//
// Draws the subject's profile (grid of standard-score lines, one point per
// scale, the F-Att line and the E-A-C-N-O polyline, the scores in figures)
// into a 480 x 480 white picture and saves it as BasePath + "_basic.bmp", a
// 24-bit Windows BMP. The window closes itself by its 1000 ms timer, which
// runs from creation; the examiner does nothing and cannot close it early.
//
// Decisions:
// - The picture is drawn and saved on the first activation, or as soon as
//   the window is shown where the desktop does not activate it, and at the
//   latest when the timer closes the window, so the bitmap is written even
//   if the window never got the focus.
// - The client area is 480 x 480, so the whole picture is visible whatever
//   frame the desktop adds.
// - Text is IPAGothic (fixed pitch, with the Japanese glyphs) 12 pixels
//   high without smoothing: a half-width character is 6 pixels wide, so the
//   grid labels fit between the picture's edge and the frame lines.
// - The bitmap replaces an earlier file atomically. If it cannot be written,
//   SaveFailure() holds the message; the window still closes by its timer.
#include "varenta/shell/run_state.h"

#include <QDialog>
#include <QImage>
#include <optional>
#include <string>

class QLabel;
class QTimer;

namespace varenta::forms {

class TfrmProfile : public QDialog {
    Q_OBJECT
public:
    explicit TfrmProfile(RunState& state, QWidget* parent = nullptr);
    ~TfrmProfile() override;

    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;

    // BasePath + "_basic.bmp".
    std::string BitmapPath() const;
    // Whether the picture has been drawn (and saving attempted).
    bool Drawn() const { return drawn_; }
    // The Shift-JIS message when the bitmap could not be written.
    const std::optional<std::string>& SaveFailure() const { return saveFailure_; }

public slots:
    void Timer1Timer();
    // Escape and the window manager's close request do nothing: the window
    // closes by its timer.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void drawProfile(QImage& picture) const;
    void saveBitmap(const QImage& picture);

    RunState& state_;
    bool drawn_ = false;
    std::optional<std::string> saveFailure_;
};

}  // namespace varenta::forms
