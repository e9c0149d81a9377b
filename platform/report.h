#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// A small banded report: a page is built from bands stacked from the top, in
// a fixed logical space of 1/96 inch whatever the device, with fonts sized in
// pixels of that space. Positions inside a band are relative to the band's
// top left corner.

struct ReportText {
    QRectF rect;
    QString text;
    QFont font;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool frame = false;
};

struct ReportLine {
    QLineF line;
};

struct ReportShape {
    enum class Kind { Rectangle, Circle };
    Kind kind = Kind::Rectangle;
    QRectF rect;
    QColor fill;         // invalid: not filled
    bool outline = true; // a thin black outline
};

// Texts the engine supplies when it paints: the page number and the date of
// printing ("yyyy/m/d", from the program clock).
enum class ReportSystemData { PageNumber, Date };

struct ReportSystemText {
    QRectF rect;
    ReportSystemData data = ReportSystemData::PageNumber;
    QFont font;
    Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter;
};

struct ReportBand {
    qreal height = 0;
    QColor fill; // invalid: no background
    std::vector<ReportShape> shapes;
    std::vector<ReportLine> lines;
    std::vector<ReportText> texts;
    std::vector<ReportSystemText> system;
};

struct ReportLayout {
    QString title; // names the print job and the proposed PDF file
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    qreal bandWidth = 670; // the bands are centred across the page

    std::optional<ReportBand> pageHeader;   // top of every page
    std::optional<ReportBand> titleBand;    // first page, below the page header
    std::optional<ReportBand> columnHeader; // every page, above the details
    std::vector<ReportBand> details;
    std::optional<ReportBand> summary; // after the last detail
    std::optional<ReportBand> pageFooter;

    // A page takes at most this many details; 0: as many as fit.
    int detailsPerPage = 0;
};

// One band placed on a page; top in logical units from the top of the paper.
struct PlacedBand {
    const ReportBand* band = nullptr;
    qreal left = 0;
    qreal top = 0;
};

using ReportPage = std::vector<PlacedBand>;

// The paper in logical units (A4 in the report's orientation) and the upper
// and lower margins that bands keep free.
QSizeF ReportPaperSize(const ReportLayout& layout);
inline constexpr qreal ReportVerticalMargin = 40;

// Where every band lands. Always at least one page.
std::vector<ReportPage> PaginateReport(const ReportLayout& layout);

// Paints the pages from firstPage to lastPage (counted from 1; 0: the last)
// onto a printer or a PDF writer, each on a page of its own; the device's
// page layout is set from the report first.
void PaintReport(const ReportLayout& layout, QPagedPaintDevice& device, int firstPage = 1,
                 int lastPage = 0);

// One page's bands, in the painter's current coordinates taken as the
// report's logical space with the paper's corner at the origin.
void PaintReportPage(QPainter& painter, const ReportLayout& layout, const ReportPage& page,
                     int pageNumber);

// The report as the bytes of a PDF document.
QByteArray RenderReportPdf(const ReportLayout& layout);

// Writes the PDF through a temporary file renamed over the target, so a
// failure leaves any earlier file as it was. False when it could not.
bool WriteReportPdf(const ReportLayout& layout, const std::filesystem::path& path);
