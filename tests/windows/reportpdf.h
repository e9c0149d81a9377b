#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <filesystem>

// A PDF read back with the poppler tools, as a reader of the file sees it.
struct PdfContents {
    int pages = 0;
    QStringList pageTexts; // pdftotext -layout, page by page
    QString fonts;         // pdffonts listing
    QString Text() const { return pageTexts.join(QLatin1Char('\f')); }
};

inline QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfContents ReadPdf(const std::filesystem::path& path) {
    const QString file = QString::fromStdString(path.string());
    PdfContents contents;
    const QString info = RunTool(QStringLiteral("pdfinfo"), {file});
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    contents.pages = match.hasMatch() ? match.captured(1).toInt() : 0;
    QString text = RunTool(QStringLiteral("pdftotext"),
                           {QStringLiteral("-layout"), file, QStringLiteral("-")});
    // The IPA fonts draw "～" (U+FF5E) and "〜" (U+301C) with one glyph, and
    // the PDF's text map names the lower code point for it; read it back as
    // the program writes it. Ideographic spaces come back as blanks.
    text.replace(QChar(0x301C), QChar(0xFF5E));
    contents.pageTexts = text.split(QLatin1Char('\f'));
    if (!contents.pageTexts.isEmpty() && contents.pageTexts.back().trimmed().isEmpty()) {
        contents.pageTexts.removeLast();
    }
    contents.fonts = RunTool(QStringLiteral("pdffonts"), {file});
    return contents;
}

// True when every font of the listing is embedded and IPAGothic is among
// them.
inline bool IpaGothicEmbedded(const QString& fonts) {
    bool found = false;
    for (const QString& line : fonts.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("name")) || line.startsWith(QStringLiteral("---")) ||
            line.trimmed().isEmpty()) {
            continue;
        }
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        // name type... encoding emb sub uni object ID: "emb" is the fifth
        // field from the end.
        if (columns.size() < 6 || columns[columns.size() - 5] != QStringLiteral("yes")) {
            return false;
        }
        found = found || line.contains(QStringLiteral("IPAGothic"));
    }
    return found;
}
