// The chart of the table's result per surah: a bar for every surah, 1 to
// 114 from right to left, one bar set per figure. Hovering a bar shows the
// surah's name and its figures; a click on it makes the surah's first listed
// row current in the main table. The chart is written as a PNG or SVG
// picture from its buttons.
#pragma once

#include "ui/secondary_window.h"

class QLabel;
class QPushButton;

QT_BEGIN_NAMESPACE
class QBarSeries;
class QChartView;
QT_END_NAMESPACE

namespace tallyra {

class DistributionChart : public SecondaryWindow {
    Q_OBJECT
public:
    DistributionChart(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);

    void render() override;

    QChartView* view() const { return view_; }
    QBarSeries* series() const { return series_; }
    QLabel* summary() const { return summary_; }
    QPushButton* button(const QString& item) const;

    // The surah of the bars at `index` along the axis (from 0, at the left).
    int surahAt(int index) const;
    // The text the tooltip of surah k's bars shows.
    QString barText(int surah) const;
    // Writes the chart as a picture, PNG or SVG by the name's ending; the
    // message of a file that could not be written, empty otherwise.
    QString writePicture(const QString& path);

private:
    void runItem(const QString& item, const QStringList& chosen = {});

    QChartView* view_;
    QBarSeries* series_ = nullptr;
    quint64 drawn_ = 0; // the revision of the figures drawn
    QLabel* summary_;
    QList<QPushButton*> buttons_;
};

} // namespace tallyra
