// The balls' chart: bars, the fair line, round gridlines, thinned ball numbers.
#include "ballChart.h"

#include "design.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quorvex::ui {

namespace {

constexpr int kMargin = 8;
constexpr int kTitleGap = 6;
constexpr int kEveryFifth = 5;
const QColor kBar(0x4a, 0x7a, 0xb5);
const QColor kFairLine(0xc0, 0x39, 0x2b);
const QColor kGrid(0xd8, 0xd8, 0xd8);

QString Title() {
    return "How often each ball was drawn";
}

QString FairText(double fair) {
    return QString("A fair draw: %1 each").arg(QLocale().toString(fair, 'f', 1));
}

} // namespace

ValueScale RoundScale(double highest, int most) {
    highest = std::max(highest, 1.0);
    const double wanted = highest / std::max(most, 1); // the smallest step that keeps to `most`
    std::uint64_t power = 1;
    while (static_cast<double>(power) * 10 <= wanted) {
        power *= 10;
    }
    std::uint64_t step = 0;
    for (; step == 0; power *= 10) {
        for (std::uint64_t times : {1, 2, 5}) {
            if (step == 0 && static_cast<double>(power * times) >= wanted) {
                step = power * times;
            }
        }
    }
    const auto steps = static_cast<std::uint64_t>(std::ceil(highest / static_cast<double>(step)));
    return {step, std::max<std::uint64_t>(steps, 1) * step};
}

std::vector<int> LabelledBalls(int balls, double barWidth, double labelWidth) {
    std::vector<int> labelled;
    const bool all = barWidth >= labelWidth;
    for (int n = 1; n <= balls; ++n) {
        if (all || n == 1 || n % kEveryFifth == 0) {
            labelled.push_back(n);
        }
    }
    return labelled;
}

BallChart::BallChart(QWidget* parent) : QWidget(parent) {
    setFont(DesignFont("DejaVu Sans", 8));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void BallChart::Show(std::vector<std::uint64_t> timesDrawn, double fair) {
    times_ = std::move(timesDrawn);
    fair_ = fair;
    update();
}

void BallChart::Clear() {
    Show({}, 0);
}

ValueScale BallChart::Scale() const {
    std::uint64_t most = 0;
    for (std::size_t n = 1; n < times_.size(); ++n) {
        most = std::max(most, times_[n]);
    }
    return RoundScale(std::max(static_cast<double>(most), fair_));
}

QRectF BallChart::Plot() const {
    const QFontMetricsF metrics(font());
    const ValueScale scale = Scale();
    const double labels = metrics.horizontalAdvance(QLocale().toString(scale.top)) + kTitleGap;
    const double top = kMargin + 2 * metrics.height() + kTitleGap; // the title and the legend
    const double bottom = height() - kMargin - metrics.height() - kTitleGap;
    return QRectF(QPointF(kMargin + labels, top), QPointF(width() - kMargin, bottom));
}

std::vector<int> BallChart::Labelled() const {
    const int balls = static_cast<int>(times_.size()) - 1;
    if (balls < 1) {
        return {};
    }
    const QFontMetricsF metrics(font());
    return LabelledBalls(balls, Plot().width() / balls,
                         metrics.horizontalAdvance(QString::number(balls)) + 2);
}

void BallChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    painter.drawText(QRectF(0, kMargin, width(), metrics.height()), Qt::AlignHCenter, Title());
    const int balls = static_cast<int>(times_.size()) - 1;
    if (balls < 1) {
        return;
    }
    const QRectF plot = Plot();
    const ValueScale scale = Scale();
    const auto y = [&](double value) {
        return plot.bottom() - value / static_cast<double>(scale.top) * plot.height();
    };
    // Gridlines and their values.
    for (std::uint64_t value = 0; value <= scale.top; value += scale.step) {
        painter.setPen(kGrid);
        painter.drawLine(QPointF(plot.left(), y(value)), QPointF(plot.right(), y(value)));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(kMargin, y(value) - metrics.height() / 2,
                                plot.left() - kMargin - kTitleGap / 2, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QLocale().toString(value));
    }
    // The bars, and the numbers under them.
    const double slot = plot.width() / balls;
    for (int n = 1; n <= balls; ++n) {
        const double value = static_cast<double>(times_[static_cast<std::size_t>(n)]);
        const double left = plot.left() + (n - 1) * slot + slot * 0.1;
        painter.fillRect(QRectF(QPointF(left, y(value)), QPointF(left + slot * 0.8, plot.bottom())),
                         kBar);
    }
    painter.setPen(palette().color(QPalette::Text));
    for (int n : Labelled()) {
        const double centre = plot.left() + (n - 0.5) * slot;
        const double wide = metrics.horizontalAdvance(QString::number(n)) + 4;
        painter.drawText(
            QRectF(centre - wide / 2, plot.bottom() + kTitleGap / 2, wide, metrics.height()),
            Qt::AlignCenter, QString::number(n));
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    // What a fair draw expects, and its legend.
    QPen fairPen(kFairLine, 2);
    painter.setPen(fairPen);
    painter.drawLine(QPointF(plot.left(), y(fair_)), QPointF(plot.right(), y(fair_)));
    const double legendY = kMargin + metrics.height() + kTitleGap / 2 + metrics.height() / 2;
    const QString legend = FairText(fair_);
    const double legendWide = metrics.horizontalAdvance(legend) + 24;
    const double legendLeft = (width() - legendWide) / 2;
    painter.drawLine(QPointF(legendLeft, legendY), QPointF(legendLeft + 18, legendY));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(
        QRectF(legendLeft + 24, legendY - metrics.height() / 2, legendWide, metrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, legend);
}

} // namespace quorvex::ui
