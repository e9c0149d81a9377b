// The paid-leave list.
#include "windows/reports/reportbands.h"
#include "windows/reports/reports.h"

#include <algorithm>

namespace {

constexpr qreal BandWidth = 670;
constexpr int FieldCount = 7;
constexpr int FieldBytes = 50;
constexpr int MaxEntries = 100;
// A page holds 45 rows: the list is one, two or three pages of ruled rows.
constexpr int RowsPerPage = 45;
constexpr qreal RowHeight = 18;

// The printed rows: 45 for fewer than 45 entries, 90 for fewer than 90, else
// 101; the rows past the entries are blank.
int PrintedRows(int entries) {
    if (entries < 45) {
        return 45;
    }
    return entries < 90 ? 90 : 101;
}

// The leave year the ledger covers: from its grant month to the month
// before it a year on.
QString PeriodLine(int year, int grantMonth) {
    grantMonth = std::clamp(grantMonth, 1, 12);
    const int endYear = grantMonth == 1 ? year : year + 1;
    const int endMonth = grantMonth == 1 ? 12 : grantMonth - 1;
    return QStringLiteral("%1年%2月～%3年%4月分")
        .arg(year)
        .arg(grantMonth)
        .arg(endYear)
        .arg(endMonth);
}

// The four values in small ruled boxes, the last one filled silver, inside
// a frame.
ReportBand ValuesBand(const LedgerSnapshot& snapshot) {
    ReportBand band;
    band.height = 52;
    band.shapes.push_back({ReportShape::Kind::Rectangle, QRectF(0, 4, BandWidth, 44), {}, true});
    const QFont font = ReportFont(13);
    const QFont valueFont = ReportFont(14, true);
    const std::pair<QString, QString> items[] = {
        {QStringLiteral("前年繰越日数"), snapshot.carryOver},
        {QStringLiteral("20日を超える場合"), snapshot.capChoice},
        {QStringLiteral("本年付与日数"), snapshot.grant},
        {QStringLiteral("現在残日数"), snapshot.balance},
    };
    const qreal slot = BandWidth / 4;
    for (int i = 0; i < 4; ++i) {
        const qreal x = i * slot;
        band.texts.push_back(FittedText(QRectF(x + 6, 8, slot - 12, 16), items[i].first, font,
                                        Qt::AlignLeft | Qt::AlignVCenter));
        const QRectF box(x + 8, 24, slot - 16, 20);
        band.shapes.push_back(
            {ReportShape::Kind::Rectangle, box, i == 3 ? ReportSilver : QColor(), true});
        band.texts.push_back(FittedText(box.adjusted(3, 0, -3, 0),
                                        FitField(items[i].second, FieldBytes), valueFont,
                                        Qt::AlignRight | Qt::AlignVCenter));
    }
    return band;
}

} // namespace

ReportLayout TFrmpyuk::Layout(const LedgerSnapshot& snapshot) {
    ReportLayout layout;
    layout.title = QStringLiteral("有給休暇一覧");
    layout.bandWidth = BandWidth;
    ReportBand title = TitleBand(BandWidth, layout.title,
                                 PeriodLine(snapshot.leaveYear, snapshot.grantMonth), false);
    AppendBand(title, ValuesBand(snapshot), BandWidth);
    AppendBand(title, GapBand(12), BandWidth);
    layout.titleBand = title;

    const QFont font = ReportFont(13);
    TableColumns columns{WidthsWithRest({57, 75, 38, 76, 75, 76}, BandWidth), {}};
    columns.aligns.assign(FieldCount, Qt::AlignLeft);
    columns.aligns[0] = Qt::AlignRight;
    layout.columnHeader =
        TableHeaderBand(columns.widths,
                        {QStringLiteral("No."), QStringLiteral("日付"), QStringLiteral("曜"),
                         QStringLiteral("区分"), QStringLiteral("日数"), QStringLiteral("残数"),
                         QStringLiteral("備　　　考")},
                        22, font);

    const int entries = std::min(static_cast<int>(snapshot.entries.size()), MaxEntries);
    const int rows = PrintedRows(entries);
    for (int r = 0; r < rows; ++r) {
        const QStringList fields = r < entries
                                       ? FitRow(snapshot.entries[static_cast<std::size_t>(r)],
                                                FieldCount, FieldBytes, false)
                                       : QStringList();
        layout.details.push_back(TableRowBand(columns, fields, RowHeight, font));
    }
    layout.detailsPerPage = RowsPerPage;
    layout.pageFooter = PageFooterBand(BandWidth);
    return layout;
}
