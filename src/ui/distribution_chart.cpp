#include "ui/distribution_chart.h"

#include "core/text_file.h"
#include "corpus/surahs.h"
#include "shell/registry.h"
#include "statistics/distribution.h"
#include "ui/fonts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

namespace tallyra {

namespace {

constexpr WindowId D = WindowId::Distribution;

// The colours of the first and the second figure.
const QColor kFigureColours[] = {QColor(0x1f, 0x5f, 0x9f), QColor(0xc0, 0x39, 0x2b)};

} // namespace

DistributionChart::DistributionChart(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, D, parent), view_(new QChartView(this)),
      summary_(new QLabel(this)) {
    setMinimumSize(1200, 700);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setLayoutDirection(Qt::LeftToRight); // the axis runs right to left by itself
    summary_->setAlignment(Qt::AlignCenter);
    auto* row = new QHBoxLayout;
    for (const char* item : {"SavePng", "SaveSvg", "Close"}) {
        const QString name = QString::fromLatin1(item);
        auto* b = new QPushButton(find_command(D, name)->caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [this, name] { runItem(name); });
        row->addWidget(b);
        buttons_ << b;
    }
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(summary_);
    layout->addLayout(row);
}

QPushButton* DistributionChart::button(const QString& item) const {
    for (QPushButton* b : buttons_)
        if (b->objectName() == item)
            return b;
    return nullptr;
}

void DistributionChart::render() {
    const DistributionWindow& w = program_.distribution;
    setWindowTitle(w.caption);
    summary_->setText(w.summary);
    // The chart is drawn anew only for new figures: a click on a bar, which
    // renders the window again, keeps the bars it came from.
    if (series_ && w.table.revision() == drawn_)
        return;
    drawn_ = w.table.revision();

    auto* chart = new QChart;
    // The chart is laid out left to right, its bars placed by hand in
    // mushaf order from the right: a mirrored chart would place its bars
    // and find them under the mouse at opposite ends.
    chart->setLayoutDirection(Qt::LeftToRight);
    chart->setTitle(w.caption);
    chart->setFont(font());
    chart->setTitleFont(font());
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setFont(font());
    series_ = new QBarSeries;
    const int figures = w.table.columnCount() - distribution_col::figures;
    qint64 highest = 0;
    for (int i = 0; i < figures; ++i) {
        const int column = distribution_col::figures + i;
        auto* set = new QBarSet(w.table.cell(column, 0));
        set->setColor(kFigureColours[i % 2]);
        set->setBorderColor(kFigureColours[i % 2]);
        // Mushaf order from right to left: surah 114 first, at the left.
        for (int k = w.table.rowCount() - 1; k >= 1; --k) {
            const qint64 value = w.table.cell(column, k).toLongLong();
            set->append(double(value));
            highest = std::max(highest, value);
        }
        series_->append(set);
    }
    chart->addSeries(series_);

    auto* surahs = new QBarCategoryAxis;
    QStringList numbers;
    for (int k = w.table.rowCount() - 1; k >= 1; --k)
        numbers << w.table.cell(distribution_col::number, k);
    surahs->append(numbers);
    surahs->setLabelsAngle(-90);
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.7));
    surahs->setLabelsFont(small);
    chart->addAxis(surahs, Qt::AlignBottom);
    series_->attachAxis(surahs);
    auto* values = new QValueAxis;
    values->setRange(0, double(std::max<qint64>(highest, 1)));
    values->setLabelFormat(QStringLiteral("%d"));
    values->applyNiceNumbers();
    values->setLabelsFont(small);
    chart->addAxis(values, Qt::AlignRight);
    series_->attachAxis(values);

    connect(series_, &QBarSeries::hovered, this, [this](bool on, int index, QBarSet*) {
        if (on)
            QToolTip::showText(QCursor::pos(), barText(surahAt(index)), view_);
        else
            QToolTip::hideText();
    });
    connect(series_, &QBarSeries::clicked, this, [this](int index, QBarSet*) {
        runItem(QStringLiteral("Chart"), {QString::number(surahAt(index))});
    });

    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
}

int DistributionChart::surahAt(int index) const {
    return program_.distribution.table.rowCount() - 1 - index;
}

QString DistributionChart::barText(int surah) const {
    const Grid& t = program_.distribution.table;
    if (surah < 1 || surah >= t.rowCount())
        return {};
    QStringList lines{surah_label(surah)};
    for (int c = distribution_col::figures; c < t.columnCount(); ++c)
        lines << t.cell(c, 0) + QStringLiteral(" : ") + t.cell(c, surah);
    return lines.join(u'\n');
}

QString DistributionChart::writePicture(const QString& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(view_->size());
        svg.setViewBox(QRect(QPoint(0, 0), view_->size()));
        svg.setTitle(program_.distribution.caption);
        QPainter painter(&svg);
        view_->render(&painter);
    } else {
        view_->grab().save(&buffer, "PNG");
    }
    return write_file(path, buffer.data());
}

void DistributionChart::runItem(const QString& item, const QStringList& chosen) {
    const Result r = run(item, chosen);
    if (!r.picture.isEmpty())
        if (const QString message = writePicture(r.picture); !message.isEmpty())
            dialogs_.message(this, message);
}

} // namespace tallyra
