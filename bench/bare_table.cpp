// A bare Qt window that shows the 6236 verse rows of the full verse table, the
// same eight columns and the same font, in a plain table model and nothing
// else: what showing the table costs Qt itself. Run with --time-first-paint,
// as the program is, it prints when its table was first painted and quits;
// bench/compare.sh compares the two starts.
#include "corpus/surahs.h"
#include "measures/measures.h"
#include "ui/first_paint.h"
#include "ui/fonts.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>
#include <QTableView>

#include <array>
#include <vector>

namespace {

using Row = std::array<QString, 8>;

class RowsModel : public QAbstractTableModel {
public:
    explicit RowsModel(std::vector<Row> rows) : rows_(std::move(rows)) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(rows_.size()) - 1;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 8;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return rows_[index.row() + 1][index.column()];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return rows_[0][section];
    }

private:
    std::vector<Row> rows_;
};

std::vector<Row> verse_rows() {
    QFile file(QStringLiteral(TALLYRA_TEXT_FILE));
    file.open(QIODevice::ReadOnly);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    std::vector<Row> rows;
    rows.reserve(lines.size() + 1);
    rows.push_back({QStringLiteral("index"), QStringLiteral("الترتيب"),
                    QStringLiteral("إسم السورة"), QStringLiteral("رقم الآية"),
                    QStringLiteral("نص الآية الكريمة"), QStringLiteral("عدد الكلمات"),
                    QStringLiteral("عدد الحروف"), QStringLiteral("التكرار")});
    for (int i = 1; i <= int(lines.size()); ++i) {
        const QString& text = lines[i - 1];
        rows.push_back({QString::number(i), QString::number(i), tallyra::name_surah(i),
                        QString::number(tallyra::number_aya(i)), text,
                        QString::number(tallyra::nb_kalimat(text)),
                        QString::number(tallyra::nb_harf(text)), QStringLiteral("0")});
    }
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QMainWindow window;
    auto* table = new QTableView(&window);
    auto* model = new RowsModel(verse_rows());
    model->setParent(table);
    table->setModel(model);
    table->setFont(tallyra::arabic_font(17));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(28);
    const int widths[] = {0, 64, 99, 82, 800, 91, 83, 0};
    for (int c = 0; c < 8; ++c) {
        if (widths[c] == 0)
            table->setColumnHidden(c, true);
        else
            table->setColumnWidth(c, widths[c]);
    }
    table->selectRow(0);
    window.setCentralWidget(table);
    if (QApplication::arguments().contains(QStringLiteral("--time-first-paint")))
        tallyra::report_first_paint(table);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
