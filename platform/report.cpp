#include "report.h"

#include "records/clock.h"
#include "records/fileio.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace {

const QPageSize& A4() {
    static const QPageSize Size(QPageSize::A4);
    return Size;
}

QString SystemText(ReportSystemData data, int pageNumber) {
    if (data == ReportSystemData::PageNumber) {
        return QStringLiteral("- %1 -").arg(pageNumber);
    }
    LocalDateTime now = ClockNow();
    return QStringLiteral("%1/%2/%3").arg(now.year).arg(now.month).arg(now.day);
}

void PaintBand(QPainter& painter, const ReportBand& band, qreal width, int pageNumber) {
    const QPen thin(Qt::black, 1);
    if (band.fill.isValid()) {
        painter.fillRect(QRectF(0, 0, width, band.height), band.fill);
    }
    for (const ReportShape& shape : band.shapes) {
        painter.setPen(shape.outline ? thin : QPen(Qt::NoPen));
        painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
        if (shape.kind == ReportShape::Kind::Circle) {
            painter.drawEllipse(shape.rect);
        } else {
            painter.drawRect(shape.rect);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(thin);
    for (const ReportLine& line : band.lines) {
        painter.drawLine(line.line);
    }
    for (const ReportText& text : band.texts) {
        painter.setFont(text.font);
        painter.drawText(text.rect, static_cast<int>(text.align | Qt::TextSingleLine), text.text);
        if (text.frame) {
            painter.drawRect(text.rect);
        }
    }
    for (const ReportSystemText& text : band.system) {
        painter.setFont(text.font);
        painter.drawText(text.rect, static_cast<int>(text.align | Qt::TextSingleLine),
                         SystemText(text.data, pageNumber));
    }
}

} // namespace

QSizeF ReportPaperSize(const ReportLayout& layout) {
    QSizeF size = A4().sizePixels(96);
    if (layout.orientation == QPageLayout::Landscape) {
        size.transpose();
    }
    return size;
}

std::vector<ReportPage> PaginateReport(const ReportLayout& layout) {
    const QSizeF paper = ReportPaperSize(layout);
    const qreal left = std::floor((paper.width() - layout.bandWidth) / 2);
    const qreal footerHeight = layout.pageFooter ? layout.pageFooter->height : 0;
    const qreal limit = paper.height() - ReportVerticalMargin - footerHeight;

    std::vector<ReportPage> pages;
    qreal y = 0;
    int detailsOnPage = 0;
    auto place = [&](const ReportBand& band) {
        pages.back().push_back({&band, left, y});
        y += band.height;
    };
    auto startPage = [&] {
        if (!pages.empty() && layout.pageFooter) {
            pages.back().push_back({&*layout.pageFooter, left, limit});
        }
        pages.emplace_back();
        y = ReportVerticalMargin;
        detailsOnPage = 0;
        if (layout.pageHeader) {
            place(*layout.pageHeader);
        }
        if (pages.size() == 1 && layout.titleBand) {
            place(*layout.titleBand);
        }
        if (layout.columnHeader) {
            place(*layout.columnHeader);
        }
    };

    startPage();
    for (const ReportBand& detail : layout.details) {
        bool full = layout.detailsPerPage > 0 && detailsOnPage >= layout.detailsPerPage;
        // A band taller than a whole page still gets a page of its own.
        if (detailsOnPage > 0 && (full || y + detail.height > limit)) {
            startPage();
        }
        place(detail);
        ++detailsOnPage;
    }
    if (layout.summary) {
        if (detailsOnPage > 0 && y + layout.summary->height > limit) {
            startPage();
        }
        place(*layout.summary);
    }
    if (layout.pageFooter) {
        pages.back().push_back({&*layout.pageFooter, left, limit});
    }
    return pages;
}

void PaintReport(const ReportLayout& layout, QPagedPaintDevice& device, int firstPage,
                 int lastPage) {
    const std::vector<ReportPage> pages = PaginateReport(layout);
    const int count = static_cast<int>(pages.size());
    const int first = std::clamp(firstPage, 1, count) - 1;
    const int last = lastPage > 0 ? std::clamp(lastPage - 1, first, count - 1) : count - 1;
    device.setPageLayout(QPageLayout(A4(), layout.orientation, QMarginsF()));
    const QSizeF paper = ReportPaperSize(layout);

    QPainter painter;
    if (!painter.begin(&device)) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = first; i <= last; ++i) {
        if (i > first) {
            device.newPage();
        }
        painter.setWindow(0, 0, qRound(paper.width()), qRound(paper.height()));
        painter.setViewport(0, 0, device.width(), device.height());
        PaintReportPage(painter, layout, pages[i], i + 1);
    }
    painter.end();
}

void PaintReportPage(QPainter& painter, const ReportLayout& layout, const ReportPage& page,
                     int pageNumber) {
    for (const PlacedBand& placed : page) {
        painter.save();
        painter.translate(placed.left, placed.top);
        PaintBand(painter, *placed.band, layout.bandWidth, pageNumber);
        painter.restore();
    }
}

QByteArray RenderReportPdf(const ReportLayout& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(layout.title);
        writer.setCreator(QStringLiteral("tolmar"));
        writer.setResolution(1200);
        PaintReport(layout, writer);
    }
    return bytes;
}

bool WriteReportPdf(const ReportLayout& layout, const std::filesystem::path& path) {
    const QByteArray bytes = RenderReportPdf(layout);
    if (bytes.isEmpty()) {
        return false;
    }
    return WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}
