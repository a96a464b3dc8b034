#include "ReportChart.h"

#include "reports/SiteChart.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Twice the chart's own size: sharp on a printer without a large file.
constexpr int PixelWidth = 1280, PixelHeight = 520;
// Five inches wide on the page.
constexpr int TwipsWidth = 7200, TwipsHeight = TwipsWidth * PixelHeight / PixelWidth;

} // namespace

QString ReportChart::rtf(const QList<Bests::Mark>& marks, const QString& eventName,
                         const Bests::Mark& pr)
{
    int dated = 0;
    for (const Bests::Mark& m : marks)
        dated += m.date.isValid() && m.value != 0 && !m.aided;
    if (dated < MinimumMarks)
        return {};
    const QString svg = SiteChart::svg(marks, eventName, pr, QStringLiteral("chart"), true);
    QSvgRenderer renderer(svg.toUtf8());
    if (svg.isEmpty() || !renderer.isValid())
        return {};
    QImage image(PixelWidth, PixelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // A few colours on white: a palette keeps the file small.
    image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
        .save(&buffer, "PNG");
    return QStringLiteral("{\\pict\\pngblip\\picw%1\\pich%2\\picwgoal%3\\pichgoal%4 %5}")
        .arg(PixelWidth)
        .arg(PixelHeight)
        .arg(TwipsWidth)
        .arg(TwipsHeight)
        .arg(QString::fromLatin1(png.toHex()));
}
