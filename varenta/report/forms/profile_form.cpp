#include "profile_form.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "form_support.h"
#include "profile_layout.h"
#include "varenta/report/report_channel.h"
#include "varenta/shell/forms/qt_text.h"
#include "varenta/shell/messages.h"

#include <QBuffer>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace varenta::forms {

namespace {

constexpr int kTimerPeriodMs = 1000;
constexpr int kTextPixelSize = 12;

QPoint At(int u, int v)
{
    return {profile::PixelX(u), profile::PixelY(v)};
}

}  // namespace

TfrmProfile::TfrmProfile(RunState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      state_(state)
{
    setObjectName("frmProfile");
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kTimerPeriodMs);
    connect(Timer1, &QTimer::timeout, this, &TfrmProfile::Timer1Timer);
    FormCreate();
}

TfrmProfile::~TfrmProfile() = default;

void TfrmProfile::FormCreate()
{
    setWindowTitle(state_.OutputTarget == kPrinterTarget ? QStringLiteral("プリンタ出力中！")
                                                         : QStringLiteral("ファイル出力中！"));
    setFixedSize(profile::kPictureSize, profile::kPictureSize);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    Image1->move(0, 0);
    Image1->resize(profile::kPictureSize, profile::kPictureSize);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(profile::kPictureSize / 2, profile::kPictureSize / 2));
    }
    Timer1->start();
}

std::string TfrmProfile::BitmapPath() const
{
    return state_.BasePath + "_basic.bmp";
}

bool TfrmProfile::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TfrmProfile::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Where the desktop does not activate the window, draw once it is up.
    QTimer::singleShot(0, this, &TfrmProfile::FormActivate);
}

void TfrmProfile::FormActivate()
{
    if (drawn_)
        return;
    drawn_ = true;
    QImage picture(profile::kPictureSize, profile::kPictureSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    drawProfile(picture);
    Image1->setPixmap(QPixmap::fromImage(picture));
    saveBitmap(picture);
}

void TfrmProfile::Timer1Timer()
{
    FormActivate();  // no-op once drawn
    Timer1->stop();
    QDialog::done(QDialog::Accepted);
}

void TfrmProfile::reject() {}

void TfrmProfile::drawProfile(QImage& picture) const
{
    using namespace profile;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont font = FixedPitchFont(kTextPixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const int ascent = QFontMetrics(font).ascent();
    // A text position is the top-left corner of the text.
    auto text = [&](QPoint at, const QString& s) {
        painter.setPen(Qt::black);
        painter.drawText(at.x(), at.y() + ascent, s);
    };

    text(At(85, 95), QStringLiteral("[ Varenta Profile ]"));
    text(At(20, 90), state_.Sex == "MALE" ? QStringLiteral("男性") : QStringLiteral("女性"));
    QString code = QStringLiteral("Code: ") + FromSjis(state_.CodeType);
    text(At(20, 85), code.left(static_cast<int>(kCodeLineLength)));

    QPen black(Qt::black, 1, Qt::SolidLine);
    painter.setPen(black);
    for (int u : kVerticalLineU)
        painter.drawLine(At(u, kGridTopV), At(u, kGridBottomV));
    for (const GridLine& line : kGridLines) {
        black.setStyle(line.dotted ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(black);
        painter.drawLine(At(kGridLeftU, line.v), At(kGridRightU, line.v));
        const QString label = QString::fromLatin1(line.label.data(), line.label.size());
        text(At(kLeftLabelU, line.v + kLabelRaiseV), label);
        text(At(kRightLabelU, line.v + kLabelRaiseV), label);
    }

    for (int i = 0; i < kScaleCount; ++i) {
        const auto& label = kScaleLabels[i];
        text(At(kScaleColumnU[i], kScaleLabelV), QString::fromLatin1(label.data(), label.size()));
    }
    for (std::size_t i = 0; i < kFactorLetters.size(); ++i) {
        const auto& letter = kFactorLetters[i];
        text(At(kScaleColumnU[kExtraversion - 1 + i], kFactorLetterV),
             QString::fromLatin1(letter.data(), letter.size()));
    }

    QPoint points[kScaleCount];
    for (int scale = 1; scale <= kScaleCount; ++scale) {
        Point p = ScalePoint(scale, state_.StandardScores[scale]);
        points[scale - 1] = QPoint(p.x, p.y);
    }
    QPen red(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(red);
    painter.drawLine(points[kFrequency - 1], points[kAttitude - 1]);
    painter.drawPolyline(&points[kExtraversion - 1], kScaleCount - kExtraversion + 1);
    // The circles go on top of the lines.
    painter.setBrush(Qt::white);
    for (const QPoint& p : points)
        painter.drawEllipse(QRect(p.x() - kCircleRadius, p.y() - kCircleRadius,
                                  2 * kCircleRadius, 2 * kCircleRadius));
    painter.setBrush(Qt::NoBrush);

    text(At(0, kStandardCaptionV), QStringLiteral("T-scores"));
    text(At(0, kRawCaptionV), QStringLiteral("Raw Scores"));
    for (int scale = 1; scale <= kScaleCount; ++scale) {
        const int u = kScaleColumnU[scale - 1];
        text(At(u, kStandardFiguresV), QString::number(state_.StandardScores[scale]));
        text(At(u, kRawFiguresV), QString::number(state_.RawScores[scale]));
    }
    painter.setPen(QPen(Qt::black, 1));
}

void TfrmProfile::saveBitmap(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    try {
        if (!picture.save(&buffer, "BMP"))
            throw common::IoError("write", BitmapPath(), 0);
        common::WriteFileAtomically(BitmapPath(), std::string_view(bytes.constData(), bytes.size()));
    } catch (const std::exception& failure) {
        saveFailure_ = messages::DescribeFailure(failure);
    }
}

}  // namespace varenta::forms
