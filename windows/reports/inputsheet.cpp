// The period input sheet of the main window.
#include "windows/reports/reportbands.h"
#include "windows/reports/reports.h"

namespace {

constexpr qreal BandWidth = 670;
constexpr int FieldCount = 10;
constexpr int FieldBytes = 10;
constexpr int RemarkBytes = 26;
constexpr qreal RowHeight = 24;

} // namespace

ReportLayout TFrmpinp::Layout(const InputSheetSnapshot& snapshot) {
    ReportLayout layout;
    layout.title = QStringLiteral("勤務時間");
    layout.bandWidth = BandWidth;
    layout.titleBand = TitleBand(
        BandWidth, layout.title,
        snapshot.year + QStringLiteral("年") + snapshot.month + QStringLiteral("月分"), false);

    const QFont font = ReportFont(12);
    const QFont headerFont = ReportFont(13);
    const TableColumns columns{WidthsWithRest({56, 38, 60, 60, 60, 60, 60, 60, 60}, BandWidth),
                               {Qt::AlignRight, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                Qt::AlignRight, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight,
                                Qt::AlignRight, Qt::AlignLeft}};
    layout.columnHeader =
        TableHeaderBand(columns.widths,
                        {QStringLiteral("日付"), QStringLiteral("曜"), QStringLiteral("休日\n休暇"),
                         QStringLiteral("起床"), QStringLiteral("出勤"), QStringLiteral("退社"),
                         QStringLiteral("就寝"),
                         QStringLiteral("（運動）\n") + AfterFirstLine(snapshot.movementTitle),
                         QStringLiteral("（体調）\n") + AfterFirstLine(snapshot.conditionTitle),
                         QStringLiteral("備　　　　　考")},
                        36, headerFont);

    for (const QStringList& row : snapshot.rows) {
        QStringList fields = FitRow(row, FieldCount - 1, FieldBytes, true);
        fields << FitField(row.size() > 9 ? row[9] : QString(), RemarkBytes);
        layout.details.push_back(TableRowBand(columns, fields, RowHeight, font));
    }
    layout.pageFooter = PageFooterBand(BandWidth);
    return layout;
}
