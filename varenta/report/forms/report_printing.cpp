#include "report_printing.h"

#include "form_support.h"
#include "print_pages.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace varenta::forms {

namespace {

constexpr qreal kBodyPoints = 10.0;
constexpr qreal kSmallestPoints = 6.0;

}  // namespace

void SetUpPdfPrinter(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

PrintOutcome PrintReportLines(QPrinter& printer, const QStringList& lines)
{
    PrintOutcome outcome;
    std::vector<std::string> utf8;
    utf8.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        utf8.push_back(line.toStdString());

    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    QFont font = FixedPitchPointFont(kBodyPoints);
    // Measure once with a single page to find the widest printed line.
    {
        const auto all = PaginateForPrint(utf8, static_cast<int>(utf8.size()) + 1);
        if (all.empty())
            return outcome;
        QFontMetricsF metrics(font, &printer);
        qreal widest = 0;
        for (const auto& page : all)
            for (std::size_t i : page)
                widest = std::max(widest, metrics.horizontalAdvance(lines[static_cast<int>(i)]));
        if (widest > area.width())
            font.setPointSizeF(std::max(kSmallestPoints, kBodyPoints * area.width() / widest));
    }
    const QFontMetricsF metrics(font, &printer);
    const int linesPerPage = std::max(1, static_cast<int>(std::floor(area.height() / metrics.lineSpacing())));
    const auto pages = PaginateForPrint(utf8, linesPerPage);

    int first = 1;
    int last = static_cast<int>(pages.size());
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        if (printer.toPage() > 0)
            last = std::min(last, printer.toPage());
    }
    if (first > last)
        return outcome;

    QPainter painter;
    if (!painter.begin(&printer)) {
        outcome.ok = false;
        return outcome;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setClipRect(QRectF(0, 0, area.width(), area.height()));
    for (int number = first; number <= last; ++number) {
        if (number > first && !printer.newPage()) {
            outcome.ok = false;
            break;
        }
        qreal baseline = metrics.ascent();
        for (std::size_t i : pages[static_cast<std::size_t>(number - 1)]) {
            painter.drawText(QPointF(0, baseline), lines[static_cast<int>(i)]);
            baseline += metrics.lineSpacing();
        }
        ++outcome.pages;
    }
    if (!painter.end())
        outcome.ok = false;
    return outcome;
}

}  // namespace varenta::forms
