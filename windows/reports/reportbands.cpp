#include "reportbands.h"

#include "platform/fonts.h"
#include "records/cp932.h"
#include "records/timetext.h"

#include <QFontMetricsF>
#include <numeric>

namespace {

constexpr qreal CellInset = 3;

void AddCellText(ReportBand& band, const QRectF& cell, const QString& text, const QFont& font,
                 Qt::Alignment align) {
    if (text.isEmpty()) {
        return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qreal lineHeight = cell.height() / lines.size();
    for (int i = 0; i < lines.size(); ++i) {
        QRectF rect(cell.left() + CellInset, cell.top() + i * lineHeight,
                    cell.width() - 2 * CellInset, lineHeight);
        band.texts.push_back(FittedText(rect, lines[i], font, align | Qt::AlignVCenter));
    }
}

void AddVerticalRules(ReportBand& band, const std::vector<qreal>& widths) {
    qreal x = 0;
    band.lines.push_back({QLineF(0, 0, 0, band.height)});
    for (qreal width : widths) {
        x += width;
        band.lines.push_back({QLineF(x, 0, x, band.height)});
    }
}

} // namespace

QFont ReportFont(qreal pixels, bool bold) {
    QFont font = ProgramFont(GothicFontName, qRound(pixels));
    font.setBold(bold);
    return font;
}

qreal PointsToPixels(qreal points) {
    return points * 96.0 / 72.0;
}

std::vector<qreal> WidthsWithRest(std::vector<qreal> widths, qreal bandWidth) {
    const qreal used = std::accumulate(widths.begin(), widths.end(), qreal(0));
    widths.push_back(bandWidth - used);
    return widths;
}

ReportBand TableHeaderBand(const std::vector<qreal>& widths, const QStringList& titles,
                           qreal height, const QFont& font) {
    ReportBand band;
    band.height = height;
    band.fill = ReportSilver;
    const qreal width = std::accumulate(widths.begin(), widths.end(), qreal(0));
    band.lines.push_back({QLineF(0, 0, width, 0)});
    band.lines.push_back({QLineF(0, height, width, height)});
    AddVerticalRules(band, widths);
    qreal x = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const QString title = static_cast<qsizetype>(i) < titles.size() ? titles[i] : QString();
        AddCellText(band, QRectF(x, 0, widths[i], height), title, font, Qt::AlignHCenter);
        x += widths[i];
    }
    return band;
}

ReportBand TableRowBand(const TableColumns& columns, const QStringList& texts, qreal height,
                        const QFont& font) {
    ReportBand band;
    band.height = height;
    const qreal width = std::accumulate(columns.widths.begin(), columns.widths.end(), qreal(0));
    band.lines.push_back({QLineF(0, height, width, height)});
    AddVerticalRules(band, columns.widths);
    qreal x = 0;
    for (std::size_t i = 0; i < columns.widths.size(); ++i) {
        const QString text = static_cast<qsizetype>(i) < texts.size() ? texts[i] : QString();
        const QRectF cell(x, 0, columns.widths[i], height);
        if (!text.isEmpty()) {
            band.texts.push_back(FittedText(cell.adjusted(CellInset, 0, -CellInset, 0), text, font,
                                            columns.aligns[i] | Qt::AlignVCenter));
        }
        x += columns.widths[i];
    }
    return band;
}

ReportBand TitleBand(qreal width, const QString& title, const QString& periodLine,
                     bool underlined) {
    ReportBand band;
    band.height = 62;
    const QFont titleFont = ReportFont(PointsToPixels(16), true);
    const QFont periodFont = ReportFont(PointsToPixels(12));
    const QRectF titleRect(width / 4, 4, width / 2, 30);
    band.texts.push_back(FittedText(titleRect, title, titleFont, Qt::AlignCenter));
    if (underlined) {
        const qreal half = QFontMetricsF(titleFont).horizontalAdvance(title) / 2 + 8;
        band.lines.push_back({QLineF(width / 2 - half, 36, width / 2 + half, 36)});
    }
    band.texts.push_back(FittedText(QRectF(width / 2, 38, width / 2, 22), periodLine, periodFont,
                                    Qt::AlignRight | Qt::AlignVCenter));
    return band;
}

void AppendBand(ReportBand& band, const ReportBand& part, qreal width) {
    const qreal top = band.height;
    if (part.fill.isValid()) {
        band.shapes.push_back(
            {ReportShape::Kind::Rectangle, QRectF(0, top, width, part.height), part.fill, false});
    }
    for (ReportShape shape : part.shapes) {
        shape.rect.translate(0, top);
        band.shapes.push_back(shape);
    }
    for (ReportLine line : part.lines) {
        line.line.translate(0, top);
        band.lines.push_back(line);
    }
    for (ReportText text : part.texts) {
        text.rect.translate(0, top);
        band.texts.push_back(text);
    }
    for (ReportSystemText text : part.system) {
        text.rect.translate(0, top);
        band.system.push_back(text);
    }
    band.height += part.height;
}

ReportBand GapBand(qreal height) {
    ReportBand band;
    band.height = height;
    return band;
}

ReportBand PageFooterBand(qreal width) {
    ReportBand band;
    band.height = 24;
    band.system.push_back({QRectF(0, 4, width, 20), ReportSystemData::PageNumber, ReportFont(12),
                           Qt::AlignHCenter | Qt::AlignVCenter});
    return band;
}

QString FitWidth(const QString& text, const QFont& font, qreal width) {
    // Measured as the page draws it: at the font's design widths, which a
    // printer or a PDF file keep at any size, not at the screen's rounded
    // ones.
    QFont unhinted = font;
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(unhinted);
    const qreal room = width + 0.01;
    if (metrics.horizontalAdvance(text) <= room) {
        return text;
    }
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype next = end + (text[end].isHighSurrogate() ? 2 : 1);
        if (metrics.horizontalAdvance(text.left(next)) > room) {
            break;
        }
        end = next;
    }
    return text.left(end);
}

ReportText FittedText(const QRectF& rect, const QString& text, const QFont& font,
                      Qt::Alignment align, bool frame) {
    return {rect, FitWidth(text, font, rect.width()), font, align, frame};
}

QString FitField(const QString& text, int fieldBytes) {
    return QString::fromStdString(
        CutToCp932Bytes(text.toStdString(), static_cast<std::size_t>(fieldBytes - 1)));
}

QString RightInFive(const QString& text) {
    const std::size_t bytes = Cp932ByteLength(text.toStdString());
    if (bytes >= 5) {
        return text;
    }
    return QString(static_cast<qsizetype>(5 - bytes), QLatin1Char(' ')) + text;
}

QString AfterFirstLine(const QString& text) {
    return QString::fromStdString(TextAfterFirstLine(text.toStdString()));
}

QStringList FitRow(const QStringList& cells, int count, int fieldBytes, bool firstRightInFive) {
    QStringList fields;
    for (int i = 0; i < count; ++i) {
        QString field = FitField(i < cells.size() ? cells[i] : QString(), fieldBytes);
        if (i == 0 && firstRightInFive) {
            field = RightInFive(field);
        }
        fields << field;
    }
    return fields;
}
