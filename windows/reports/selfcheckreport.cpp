// The fatigue self-check sheet.
#include "engine/selfcheckscore.h"
#include "records/cp932.h"
#include "windows/reports/reportbands.h"
#include "windows/reports/reports.h"

#include <QFontMetricsF>

namespace {

constexpr qreal BandWidth = 670;
constexpr qreal QuestionHeight = 26;
constexpr qreal AnswerLeft = 318;
constexpr qreal AnswerStep = 117;
constexpr qreal Circle = 12;
constexpr qreal Dot = 4;

const char* const AdviceLines[] = {
    "　このチェックリストは、あなたの仕事による負担度を、医学的研究の結果",
    "などに基づいて判定するもので、健康障害の防止に役立てるためのものです。",
    "　負担度の点数が2～7点の人は、疲労が蓄積されている可能性があります。",
    "２．の勤務の状況で「大きい」「非常に大きい」とした項目の改善が必要です。",
    "自分で改善できるものは改善し、難しいものは上司や産業医に相談してください。",
    "　なお、仕事以外のライフスタイルが原因で自覚症状が多くなることもあります",
    "ので、睡眠や休養などを見直すことも大切です。",
    "　疲労を蓄積させないためには、負担を軽減し、十分な睡眠・休養をとることが",
    "大切です。労働時間の短縮は、負担の軽減と睡眠・休養の確保の両方に役立ちます。",
    "　特に、時間外労働が月45時間を超えている人は、労働時間を短縮することを",
    "検討してください。",
};

ReportBand SectionBand(const QString& caption) {
    ReportBand band;
    band.height = 24;
    band.fill = ReportSilver;
    band.texts.push_back({QRectF(6, 0, BandWidth - 12, 24), caption, ReportFont(14, true),
                          Qt::AlignLeft | Qt::AlignVCenter, false});
    return band;
}

ReportBand QuestionBand(const SelfCheckQuestion& question, int checked) {
    ReportBand band;
    band.height = QuestionHeight;
    const QFont font = ReportFont(13);
    band.texts.push_back({QRectF(4, 0, AnswerLeft - 8, QuestionHeight),
                          QString::fromStdString(question.printedCaption), font,
                          Qt::AlignLeft | Qt::AlignVCenter, false});
    const qreal circleTop = (QuestionHeight - Circle) / 2;
    for (std::size_t a = 0; a < question.printedAnswers.size(); ++a) {
        const qreal x = AnswerLeft + static_cast<qreal>(a) * AnswerStep;
        const QRectF circle(x, circleTop, Circle, Circle);
        band.shapes.push_back({ReportShape::Kind::Circle, circle, {}, true});
        if (static_cast<int>(a) == checked) {
            band.shapes.push_back(
                {ReportShape::Kind::Circle,
                 QRectF(circle.center() - QPointF(Dot / 2, Dot / 2), QSizeF(Dot, Dot)), Qt::black,
                 false});
        }
        band.texts.push_back({QRectF(x + Circle + 4, 0, AnswerStep - Circle - 6, QuestionHeight),
                              QString::fromStdString(question.printedAnswers[a]), font,
                              Qt::AlignLeft | Qt::AlignVCenter, false});
    }
    band.lines.push_back({QLineF(0, QuestionHeight, BandWidth, QuestionHeight)});
    return band;
}

ReportBand JudgementBand(const SelfCheckSnapshot& snapshot) {
    ReportBand band;
    band.height = 96;
    const QFont font = ReportFont(PointsToPixels(12));
    const QFont scoreFont = ReportFont(PointsToPixels(18), true);
    const QFont verdictFont = ReportFont(PointsToPixels(12), true);
    const int score = snapshot.score.trimmed().toInt();
    const QString lead = QStringLiteral("判　定     あなたの仕事による負担度の点数は");
    const qreal leadWidth = QFontMetricsF(font).horizontalAdvance(lead);
    band.texts.push_back(
        {QRectF(8, 4, leadWidth + 4, 32), lead, font, Qt::AlignLeft | Qt::AlignVCenter, false});
    const QString ten = QString::number(score) + QStringLiteral("点");
    const qreal tenLeft = 8 + leadWidth + 12;
    const qreal tenWidth = QFontMetricsF(scoreFont).horizontalAdvance(ten) + 8;
    band.texts.push_back(
        {QRectF(tenLeft, 4, tenWidth, 32), ten, scoreFont, Qt::AlignCenter, false});
    band.texts.push_back({QRectF(tenLeft + tenWidth + 8, 4, 200, 32),
                          QStringLiteral("です。（0～7点）"), font,
                          Qt::AlignLeft | Qt::AlignVCenter, false});

    const int bandOfScore = BandOfScore(score);
    const QString verdict = QStringLiteral("あなたのストレスは") +
                            snapshot.verdicts[static_cast<std::size_t>(bandOfScore)];
    // The box is as wide as a run of blanks four longer than the verdict.
    const std::size_t bytes = Cp932ByteLength(verdict.toStdString());
    const QString blanks(static_cast<qsizetype>(bytes + 4), QLatin1Char(' '));
    const qreal boxWidth = QFontMetricsF(verdictFont).horizontalAdvance(blanks);
    const QRectF box((BandWidth - boxWidth) / 2, 50, boxWidth, 36);
    band.texts.push_back({box, blanks, verdictFont, Qt::AlignCenter, true});
    band.texts.push_back({box, verdict, verdictFont, Qt::AlignCenter, false});
    return band;
}

ReportBand AdviceBand() {
    ReportBand band;
    const QFont font = ReportFont(13);
    const qreal lineHeight = 19;
    qreal y = 4;
    for (const char* line : AdviceLines) {
        band.texts.push_back({QRectF(8, y, BandWidth - 16, lineHeight), QString::fromUtf8(line),
                              font, Qt::AlignLeft | Qt::AlignVCenter, false});
        y += lineHeight;
    }
    band.height = y + 4;
    return band;
}

} // namespace

ReportLayout TFrmpstr::Layout(const SelfCheckSnapshot& snapshot) {
    ReportLayout layout;
    layout.title = QStringLiteral("労働者の疲労蓄積度自己診断チェックリスト");
    layout.bandWidth = BandWidth;

    ReportBand title;
    title.height = 48;
    title.texts.push_back({QRectF(0, 8, BandWidth, 30), layout.title,
                           ReportFont(PointsToPixels(16), true), Qt::AlignCenter, false});
    title.system.push_back({QRectF(BandWidth - 120, 30, 120, 18), ReportSystemData::Date,
                            ReportFont(13), Qt::AlignRight | Qt::AlignVCenter});
    layout.titleBand = title;

    const auto& questions = SelfCheckQuestions();
    layout.details.push_back(SectionBand(QStringLiteral("１．最近1ヶ月間の自覚症状について")));
    for (int q = 0; q < SelfCheckQuestionCount; ++q) {
        if (q == SymptomQuestionCount) {
            layout.details.push_back(GapBand(10));
            layout.details.push_back(
                SectionBand(QStringLiteral("２．最近1ヶ月間の勤務の状況について")));
        }
        layout.details.push_back(
            QuestionBand(questions[static_cast<std::size_t>(q)], snapshot.answers[q]));
    }
    layout.details.push_back(GapBand(10));
    layout.details.push_back(JudgementBand(snapshot));
    layout.details.push_back(AdviceBand());
    layout.pageFooter = PageFooterBand(BandWidth);
    return layout;
}
