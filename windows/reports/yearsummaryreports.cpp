// The three lists of the 12-month summary: day counts, total hours and
// average hours.
#include "windows/reports/reportbands.h"
#include "windows/reports/reports.h"

namespace {

constexpr qreal BandWidth = 674;
constexpr int FieldBytes = 20;
constexpr qreal RowHeight = 24;

QString Title(const YearSummarySnapshot& snapshot, int col) {
    return col < snapshot.titles.size() ? FitField(snapshot.titles[col], FieldBytes) : QString();
}

ReportLayout YearLayout(const YearSummarySnapshot& snapshot, const QString& title,
                        const TableColumns& columns, const QStringList& titles) {
    ReportLayout layout;
    layout.title = title;
    layout.bandWidth = BandWidth;
    layout.titleBand = TitleBand(
        BandWidth, title,
        snapshot.startYear + QStringLiteral("年") + snapshot.startMonth + QStringLiteral("月～") +
            snapshot.endYear + QStringLiteral("年") + snapshot.endMonth + QStringLiteral("月"),
        true);
    const QFont font = ReportFont(14);
    layout.columnHeader = TableHeaderBand(columns.widths, titles, 36, font);
    const int fields = static_cast<int>(columns.widths.size());
    for (const QStringList& row : snapshot.rows) {
        layout.details.push_back(
            TableRowBand(columns, FitRow(row, fields, FieldBytes, false), RowHeight, font));
    }
    layout.pageFooter = PageFooterBand(BandWidth);
    return layout;
}

} // namespace

ReportLayout TFrmPrn2::Layout(const YearSummarySnapshot& snapshot) {
    const TableColumns columns{std::vector<qreal>(7, 96),
                               {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight,
                                Qt::AlignRight, Qt::AlignRight, Qt::AlignRight}};
    return YearLayout(snapshot, QStringLiteral("期間集計（日数）"), columns,
                      {QStringLiteral("年月"), QStringLiteral("出勤日数"),
                       QStringLiteral("休日出勤"), QStringLiteral("休日"),
                       QStringLiteral("有給休暇"), QStringLiteral("代休"), QStringLiteral("欠勤")});
}

ReportLayout TFrmPrn3::Layout(const YearSummarySnapshot& snapshot) {
    const TableColumns columns{std::vector<qreal>(6, 112),
                               {Qt::AlignHCenter, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight,
                                Qt::AlignRight, Qt::AlignRight}};
    return YearLayout(snapshot, QStringLiteral("期間集計（合計時間）"), columns,
                      {QStringLiteral("年月"), QStringLiteral("睡眠時間"),
                       QStringLiteral("勤務時間"), QStringLiteral("時間外\n労働時間"),
                       QStringLiteral("深夜\n労働時間"),
                       QStringLiteral("運動\n") + AfterFirstLine(Title(snapshot, 5))});
}

ReportLayout TFrmPrn4::Layout(const YearSummarySnapshot& snapshot) {
    const TableColumns columns{std::vector<qreal>(7, 96),
                               {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight,
                                Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft}};
    return YearLayout(snapshot, QStringLiteral("期間集計（平均時間）"), columns,
                      {QStringLiteral("年月"), QStringLiteral("睡眠時間"),
                       QStringLiteral("勤務時間"), QStringLiteral("時間外\n労働時間"),
                       QStringLiteral("深夜\n労働時間"),
                       QStringLiteral("運動\n") + AfterFirstLine(Title(snapshot, 5)),
                       QStringLiteral("体調\n") + AfterFirstLine(Title(snapshot, 6))});
}

ReportLayout YearSummaryReportLayout(const YearSummarySnapshot& snapshot) {
    switch (snapshot.tab) {
    case 1:
        return TFrmPrn3::Layout(snapshot);
    case 2:
        return TFrmPrn4::Layout(snapshot);
    default:
        return TFrmPrn2::Layout(snapshot);
    }
}
