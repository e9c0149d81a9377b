#pragma once

#include "platform/report.h"

#include <QStringList>
#include <vector>

// Pieces the report layouts share: fonts, the ruled table rows, the title
// band, the page footer and the field rules of the copied rows.

inline const QColor ReportSilver(0xC0, 0xC0, 0xC0);

// A report font: "ＭＳ ゴシック" at a height in pixels of the page space.
QFont ReportFont(qreal pixels, bool bold = false);
// Point sizes of the page turned into pixels of its 1/96-inch space.
qreal PointsToPixels(qreal points);

struct TableColumns {
    std::vector<qreal> widths;
    std::vector<Qt::Alignment> aligns; // horizontal alignment per column
};

// Column widths where the last column takes the rest of the band.
std::vector<qreal> WidthsWithRest(std::vector<qreal> widths, qreal bandWidth);

// A silver title row of the table, ruled all round; a title holding "\n"
// prints its two lines one over the other, centred.
ReportBand TableHeaderBand(const std::vector<qreal>& widths, const QStringList& titles,
                           qreal height, const QFont& font);

// A detail row, ruled at the bottom, left and right with rules between the
// columns.
ReportBand TableRowBand(const TableColumns& columns, const QStringList& texts, qreal height,
                        const QFont& font);

// The title near the centre and the period line at the right.
ReportBand TitleBand(qreal width, const QString& title, const QString& periodLine, bool underlined);

// Adds part, width wide, below what band holds so far; band grows by
// part's height.
void AppendBand(ReportBand& band, const ReportBand& part, qreal width);

// An empty band that keeps a gap.
ReportBand GapBand(qreal height);

// The page number at the bottom centre.
ReportBand PageFooterBand(qreal width);

// The text's first whole characters, as many as fit width in font: a text
// longer than its column is cut at a character, never drawn in part.
QString FitWidth(const QString& text, const QFont& font, qreal width);
// A text drawn in rect, cut to the width of rect.
ReportText FittedText(const QRectF& rect, const QString& text, const QFont& font,
                      Qt::Alignment align, bool frame = false);

// A cell text brought within a field of fieldBytes bytes: at most
// fieldBytes - 1 CP932 bytes of whole characters.
QString FitField(const QString& text, int fieldBytes);
// "%5s": a text shorter than five CP932 bytes gets leading blanks.
QString RightInFive(const QString& text);
// The text after the first line break of a two-line title; a text without
// one is returned whole.
QString AfterFirstLine(const QString& text);
// The cells of a copied row: each fitted into its field; missing cells are
// empty.
QStringList FitRow(const QStringList& cells, int count, int fieldBytes, bool firstRightInFive);
