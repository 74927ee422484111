#include "platform/qt/sweep_plot.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/qt/look.h"

namespace cfhx::qt {
namespace {

class ChartsPlotter final : public SweepPlotter {
public:
    ChartsPlotter(int& argc, char** argv) : argc_(argc), argv_(argv) {}

    bool writePng(const SweepChart& chart, const std::string& path, std::string& error) override {
        ensureApplication();
        QChartView view(buildChart(chart));  // the view owns the chart
        view.setRenderHint(QPainter::Antialiasing);
        view.resize(kSweepPlotWidth, kSweepPlotHeight);
        // The chart takes the view's size and lays out its axes and legend
        // only once the view has been shown and the events run.
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.show();
        QCoreApplication::processEvents();
        QImage image(kSweepPlotWidth, kSweepPlotHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            view.render(&painter);
        }
        if (image.save(QString::fromStdString(path), "PNG")) return true;
        error = "cannot write the image";
        return false;
    }

private:
    void ensureApplication() {
        if (qApp) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QApplication>(argc_, argv_);
        application_->setFont(controlFont());
    }

    // One x axis at the bottom; one y axis per quantity, left and right in turn.
    static QChart* buildChart(const SweepChart& data) {
        auto* chart = new QChart;
        chart->legend()->setAlignment(Qt::AlignBottom);
        auto* x = new QValueAxis;
        x->setTitleText(QString::fromStdString(data.xTitle));
        chart->addAxis(x, Qt::AlignBottom);
        std::vector<QValueAxis*> ys;
        for (size_t q = 0; q < data.quantities.size(); ++q) {
            auto* y = new QValueAxis;
            y->setTitleText(QString::fromStdString(data.quantities[q]));
            chart->addAxis(y, q % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
            ys.push_back(y);
        }
        for (const SweepLine& line : data.lines) {
            auto* series = new QLineSeries;
            series->setName(QString::fromStdString(line.label));
            for (size_t i = 0; i < line.x.size() && i < line.y.size(); ++i) series->append(line.x[i], line.y[i]);
            series->setPointsVisible(true);
            chart->addSeries(series);
            series->attachAxis(x);
            if (line.quantity < ys.size()) series->attachAxis(ys[line.quantity]);
        }
        // Ranges from every line's points: a series without points (a value
        // of the second field that never reached a result) must not set them.
        Range xRange;
        std::vector<Range> yRanges(ys.size());
        for (const SweepLine& line : data.lines) {
            for (double v : line.x) xRange.add(v);
            if (line.quantity < yRanges.size()) {
                for (double v : line.y) yRanges[line.quantity].add(v);
            }
        }
        xRange.applyTo(x);
        for (size_t q = 0; q < ys.size(); ++q) yRanges[q].applyTo(ys[q]);
        return chart;
    }

    struct Range {
        double low = std::numeric_limits<double>::infinity();
        double high = -std::numeric_limits<double>::infinity();
        void add(double v) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
        void applyTo(QValueAxis* axis) const {
            if (low > high) return;
            // A single value gets room around it.
            const double pad = low == high ? std::max(1.0, std::fabs(low) * 0.05) : 0.0;
            axis->setRange(low - pad, high + pad);
            axis->applyNiceNumbers();
        }
    };

    int& argc_;
    char** argv_;
    std::unique_ptr<QApplication> application_;
};

}  // namespace

std::unique_ptr<SweepPlotter> sweepPlotter(int& argc, char** argv) {
    return std::make_unique<ChartsPlotter>(argc, argv);
}

}  // namespace cfhx::qt
