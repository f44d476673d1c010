#pragma once
// How often each ball came out, as bars, with what a fair draw expects as a
// line across them. Painted by hand so that every platform draws the same
// chart: the value axis in round steps whose labels are exactly the gridlines'
// values, and the balls' numbers thinned to every fifth when they would crowd.

#include <QWidget>

#include <cstdint>
#include <vector>

namespace quorvex::ui {

// Gridlines at 0, step, 2 step, ... up to top: the step 1, 2 or 5 times a power
// of ten (never below 1: counts are whole), top the first of them at or above
// `highest`, and no more than `most` steps.
struct ValueScale {
    std::uint64_t step = 1;
    std::uint64_t top = 1;
};
ValueScale RoundScale(double highest, int most = 5);

// The balls whose numbers are written under the bars: all of them while a
// number fits its bar, else 1 and every fifth.
std::vector<int> LabelledBalls(int balls, double barWidth, double labelWidth);

class BallChart : public QWidget {
    Q_OBJECT
public:
    explicit BallChart(QWidget* parent = nullptr);

    // timesDrawn[n] for the balls n = 1..P; index 0 unused.
    void Show(std::vector<std::uint64_t> timesDrawn, double fair);
    void Clear();

    const std::vector<std::uint64_t>& TimesDrawn() const { return times_; }
    double Fair() const { return fair_; }
    ValueScale Scale() const;
    // The balls labelled at the chart's present width.
    std::vector<int> Labelled() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF Plot() const; // the bars' area, inside the axes and their labels

    std::vector<std::uint64_t> times_;
    double fair_ = 0;
};

} // namespace quorvex::ui
