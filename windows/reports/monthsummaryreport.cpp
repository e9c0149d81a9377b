// The month summary: its summary block and its list of days.
#include "windows/reports/reportbands.h"
#include "windows/reports/reports.h"

namespace {

constexpr qreal BandWidth = 670;
constexpr int FieldCount = 10;
constexpr int FieldBytes = 50;
constexpr qreal RowHeight = 22;
constexpr qreal SummaryRowHeight = 20;

QString SummaryCell(const MonthSummarySnapshot& snapshot, int col, int row) {
    if (row < 0 || row >= static_cast<int>(snapshot.summary.size())) {
        return {};
    }
    const QStringList& cells = snapshot.summary[static_cast<std::size_t>(row)];
    return FitField(col < cells.size() ? cells[col] : QString(), FieldBytes);
}

// The summary block: a silver header over four rows, nine columns under the
// six groups of the month summary grid.
void AddSummaryBlock(ReportBand& band, const MonthSummarySnapshot& snapshot) {
    const std::vector<qreal> widths{76, 74, 74, 76, 74, 74, 74, 74, 74};
    const QFont font = ReportFont(12);
    // Groups of the header: first column and how many columns each spans.
    struct Group {
        int first;
        int span;
        QString title;
    };
    const QString total = QStringLiteral("総合計");
    const QString average = QStringLiteral("平均");
    const Group groups[] = {
        {0, 2, QStringLiteral("睡眠時間")},
        {2, 1, QStringLiteral(" 勤務時間")},
        {3, 2, QStringLiteral("時間外労働時間")},
        {5, 1, QStringLiteral("深夜\n労働時間")},
        {6, 2, QStringLiteral("（運動）\n") + AfterFirstLine(SummaryCell(snapshot, 6, 0))},
        {8, 1, QStringLiteral("（体調）\n") + AfterFirstLine(SummaryCell(snapshot, 8, 0))},
    };
    std::vector<qreal> groupWidths;
    QStringList groupTitles;
    for (const Group& group : groups) {
        qreal width = 0;
        for (int i = group.first; i < group.first + group.span; ++i) {
            width += widths[static_cast<std::size_t>(i)];
        }
        groupWidths.push_back(width);
        groupTitles << group.title;
    }
    const TableColumns columns{widths, std::vector<Qt::Alignment>(9, Qt::AlignRight)};
    const QStringList totalLabels{total, SummaryCell(snapshot, 1, 2), total,
                                  total, SummaryCell(snapshot, 4, 2), total,
                                  total, SummaryCell(snapshot, 7, 2), QString()};
    const QStringList averageLabels{average, SummaryCell(snapshot, 1, 4), average,
                                    average, SummaryCell(snapshot, 4, 4), average,
                                    average, SummaryCell(snapshot, 7, 4), average};
    QStringList totals;
    QStringList averages;
    for (int col = 0; col < 9; ++col) {
        totals << (col < 8 ? SummaryCell(snapshot, col, 3) : QString());
        averages << SummaryCell(snapshot, col, 5);
    }
    AppendBand(band, TableHeaderBand(groupWidths, groupTitles, 34, font), BandWidth);
    for (const QStringList& texts : {totalLabels, totals, averageLabels, averages}) {
        AppendBand(band, TableRowBand(columns, texts, SummaryRowHeight, font), BandWidth);
    }
}

} // namespace

ReportLayout TFrmPrn1::Layout(const MonthSummarySnapshot& snapshot) {
    ReportLayout layout;
    layout.title = QStringLiteral("勤務時間等一覧");
    layout.bandWidth = BandWidth;
    ReportBand title = TitleBand(
        BandWidth, layout.title,
        snapshot.year + QStringLiteral("年") + snapshot.month + QStringLiteral("月分"), false);
    AddSummaryBlock(title, snapshot);
    title.height += 16;
    layout.titleBand = title;

    const QFont font = ReportFont(13);
    // An item name of four full-width characters under "（体調）" fits its
    // 56-pixel column at 12 pixels, not at 13.
    const QFont headerFont = ReportFont(12);
    const TableColumns columns{WidthsWithRest({56, 44, 64, 64, 64, 64, 64, 64, 56}, BandWidth),
                               {Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignRight,
                                Qt::AlignRight, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight,
                                Qt::AlignRight, Qt::AlignLeft}};
    layout.columnHeader =
        TableHeaderBand(columns.widths,
                        {QStringLiteral("日付"), QStringLiteral("曜"), QStringLiteral("休日\n休暇"),
                         QStringLiteral("睡眠時間"), QStringLiteral("勤務時間"),
                         QStringLiteral("時間外\n労働時間"), QStringLiteral("深夜\n労働時間"),
                         QStringLiteral("（運動）\n") + AfterFirstLine(SummaryCell(snapshot, 6, 0)),
                         QStringLiteral("（体調）\n") + AfterFirstLine(SummaryCell(snapshot, 8, 0)),
                         QStringLiteral("備　　　　　考")},
                        36, headerFont);
    for (const QStringList& row : snapshot.days) {
        layout.details.push_back(
            TableRowBand(columns, FitRow(row, FieldCount, FieldBytes, true), RowHeight, font));
    }
    layout.pageFooter = PageFooterBand(BandWidth);
    return layout;
}
