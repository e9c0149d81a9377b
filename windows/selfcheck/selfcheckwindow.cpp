#include "selfcheckwindow.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/reportpreview.h"
#include "platform/stringgrid.h"
#include "platform/windowsteps.h"
#include "records/state.h"
#include "windows/reports/reports.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

// First radio button number of each work question, rows 21 to 27.
constexpr int WorkRadioStart[WorkQuestionCount] = {55, 53, 51, 48, 46, 43, 40};

const char* const AdviceLines[] = {
    "　この「労働者の疲労蓄積度自己診断チェックリスト」は、あなたの仕事による",
    "負担度を、医学的研究の結果などに基づいて判定するもので、健康障害の防止に",
    "役立てるためのものです。",
    "　負担度の点数が2～7点の人は、疲労が蓄積されている可能性があり、勤務の",
    "状況で「大きい」「非常に大きい」とした項目の改善が必要です。自分で改善",
    "できるものは改善し、難しいものは上司や産業医に相談してください。",
    "　なお、仕事以外のライフスタイルが原因で自覚症状が多くなることもあります",
    "ので、睡眠や休養などを見直すことも大切です。",
    "　疲労を蓄積させないためには、負担を軽減し、十分な睡眠・休養をとることが",
    "大切です。労働時間の短縮は、負担の軽減と睡眠・休養の確保の両方に役立ち",
    "ます。",
    "　特に、時間外労働が月45時間を超えている人は、労働時間を短縮することを",
    "検討してください。",
};

QString GroupBoxName(int q) {
    if (q < SymptomQuestionCount) {
        return QStringLiteral("GroupBox%1").arg(q + 1, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("GroupBox%1").arg(SelfCheckQuestionCount - q);
}

QString QuestionLabelName(int q) {
    if (q < SymptomQuestionCount) {
        return QStringLiteral("Label%1").arg(q + 2);
    }
    return QStringLiteral("Label%1").arg(23 - (q - SymptomQuestionCount));
}

int FirstRadioNumber(int q) {
    return q < SymptomQuestionCount ? 3 * q + 1 : WorkRadioStart[q - SymptomQuestionCount];
}

} // namespace

TFormUnitstchk::TFormUnitstchk(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TFormUnitstchk"));
    setWindowTitle(QStringLiteral("疲労蓄積度自己診断チェック"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));
    resize(640, 480);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QAction* file1 = bar->addAction(QStringLiteral("閉じる(&X)"));
    file1->setObjectName(QStringLiteral("File1"));
    connect(file1, &QAction::triggered, this, &TFormUnitstchk::Button7Click);
    column->setMenuBar(bar);

    pages_ = new QStackedLayout;
    Panel1 = BuildQuestionPage("Panel1",
                               "最近1ヶ月間の自覚症状について、各質問に対し最も当てはまる項目にチェ"
                               "ックを付けてください。 ",
                               0, SymptomQuestionCount);
    Panel2 = BuildQuestionPage("Panel2",
                               "最近1ヶ月間の勤務の状況について、各質問に対し最も当てはまる項目にチ"
                               "ェックを付けてください。",
                               SymptomQuestionCount, WorkQuestionCount);
    Panel3 = BuildResultPage();
    pages_->addWidget(Panel1);
    pages_->addWidget(Panel2);
    pages_->addWidget(Panel3);
    column->addLayout(pages_);
    ShowPage(Panel1);
}

QFrame* TFormUnitstchk::BuildQuestionPage(const char* name, const char* instruction, int first,
                                          int count) {
    auto* page = new QFrame(this);
    page->setObjectName(QString::fromLatin1(name));
    page->setFrameShape(QFrame::Panel);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    const bool symptoms = first == 0;
    if (symptoms) {
        QLabel* header = MakeLabel(
            page, QStringLiteral("Label29"),
            QStringLiteral(
                "厚生労働省が作成した「労働者の疲労蓄積度自己診断チェックリスト」です。"));
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
        layout->addWidget(header);
    }
    layout->addWidget(MakeLabel(page,
                                symptoms ? QStringLiteral("Label1") : QStringLiteral("Label15"),
                                QString::fromUtf8(instruction)));

    const auto& questions = SelfCheckQuestions();
    for (int q = first; q < first + count; ++q) {
        const SelfCheckQuestion& question = questions[static_cast<std::size_t>(q)];
        auto* group = new QGroupBox(page);
        group->setObjectName(GroupBoxName(q));
        auto* row = new QHBoxLayout(group);
        row->setContentsMargins(6, 0, 6, 0);
        QLabel* label =
            MakeLabel(group, QuestionLabelName(q), QString::fromStdString(question.caption));
        label->setFixedWidth(symptoms ? 280 : 300);
        row->addWidget(label);
        for (std::size_t a = 0; a < question.answers.size(); ++a) {
            auto* radio = new QRadioButton(QString::fromStdString(question.answers[a]), group);
            radio->setObjectName(
                QStringLiteral("RadioButton%1").arg(FirstRadioNumber(q) + static_cast<int>(a)));
            radio->setChecked(a == 0);
            // Answers stand in columns, also under questions with two.
            radio->setFixedWidth(symptoms ? 100 : 104);
            row->addWidget(radio);
            answerButtons_[static_cast<std::size_t>(q)].push_back(radio);
        }
        row->addStretch(1);
        group->setFixedHeight(symptoms ? 26 : 30);
        layout->addWidget(group);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (symptoms) {
        Button1 = MakeButton(page, "Button1", "次へ＞", "");
        connect(Button1, &QPushButton::clicked, this, &TFormUnitstchk::Button1Click);
        buttons->addWidget(Button1);
    } else {
        Label16 = MakeLabel(page, QStringLiteral("Label16"), QString());
        Label16->setFont(ProgramFont(GothicFontName, 13));
        layout->addWidget(Label16);
        Button2 = MakeButton(page, "Button2", "＜前へ", "");
        Button3 = MakeButton(page, "Button3", "総合判定＞", "");
        connect(Button2, &QPushButton::clicked, this, &TFormUnitstchk::Button2Click);
        connect(Button3, &QPushButton::clicked, this, &TFormUnitstchk::Button3Click);
        buttons->addWidget(Button2);
        buttons->addWidget(Button3);
    }
    layout->addStretch(1);
    layout->addLayout(buttons);
    return page;
}

QFrame* TFormUnitstchk::BuildResultPage() {
    auto* page = new QFrame(this);
    page->setObjectName(QStringLiteral("Panel3"));
    page->setFrameShape(QFrame::Panel);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 6, 12, 6);

    QLabel* title = MakeLabel(page, QStringLiteral("Label24"), QStringLiteral("総合判定"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    auto* scoreLine = new QHBoxLayout;
    scoreLine->addWidget(
        MakeLabel(page, QStringLiteral("Label25"), QStringLiteral("あなたの仕事による負担は：")));
    Label26 = MakeLabel(page, QStringLiteral("Label26"), QStringLiteral("0"));
    QFont scoreFont = ProgramFont(PGothicFontName, 32);
    scoreFont.setBold(true);
    Label26->setFont(scoreFont);
    Label26->setStyleSheet(QStringLiteral("color: red;"));
    scoreLine->addWidget(Label26);
    scoreLine->addWidget(
        MakeLabel(page, QStringLiteral("Label27"), QStringLiteral("点です。（0～7点）")));
    scoreLine->addStretch(1);
    layout->addLayout(scoreLine);

    StringGrid1 = new TStringGrid(page);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setFont(ProgramFont(PGothicFontName, 16));
    StringGrid1->SetSize(3, 5);
    const int widths[] = {64, 75, 263};
    for (int col = 0; col < 3; ++col) {
        StringGrid1->SetColWidth(col, widths[col]);
    }
    StringGrid1->SetDefaultRowHeight(24);
    StringGrid1->SetHeaderHeight(24);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    StringGrid1->setAttribute(Qt::WA_TransparentForMouseEvents);
    StringGrid1->setFixedSize(64 + 75 + 263 + 4, 24 * 5 + 4);
    StringGrid1->Model()->SetStyleProvider(
        [this](int col, int row, int role) { return ResultCellStyle(col, row, role); });
    auto* panel4 = new QLabel(QStringLiteral("判定"), StringGrid1);
    panel4->setObjectName(QStringLiteral("Panel4"));
    panel4->setAlignment(Qt::AlignCenter);
    panel4->setFrameShape(QFrame::Panel);
    panel4->setAutoFillBackground(true);
    panel4->setGeometry(2, 2, 64, 24 * 5);
    layout->addWidget(StringGrid1);

    Label28 = MakeLabel(page, QStringLiteral("Label28"), QString());
    layout->addWidget(Label28);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    Button4 = MakeButton(page, "Button4", "≪最初から", "");
    Button5 = MakeButton(page, "Button5", "＜前へ", "");
    Button6 = MakeButton(page, "Button6", "印刷", "");
    Button7 = MakeButton(page, "Button7", "閉じる", "");
    connect(Button4, &QPushButton::clicked, this, &TFormUnitstchk::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TFormUnitstchk::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TFormUnitstchk::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TFormUnitstchk::Button7Click);
    buttons->addStretch(1);
    for (QPushButton* button : {Button4, Button5, Button6, Button7}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    return page;
}

QVariant TFormUnitstchk::ResultCellStyle(int col, int row, int role) const {
    if (role == Qt::TextAlignmentRole) {
        if (row == 0 || col == 1) {
            return QVariant::fromValue(Qt::AlignCenter);
        }
        return QVariant::fromValue((col == 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    if (row == 0) {
        return {};
    }
    if (role == Qt::BackgroundRole) {
        return row == BurdenBand && col != 0 ? QColor(Qt::yellow) : QColor(Qt::white);
    }
    if (role == Qt::ForegroundRole) {
        return QColor(Qt::black);
    }
    return {};
}

void TFormUnitstchk::showEvent(QShowEvent* event) {
    TModalForm::showEvent(event);
    FormShow();
}

void TFormUnitstchk::FormShow() {
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
    Button6->setEnabled(PrinterReady);
    Label16->setText(QStringLiteral(
        "★1：深夜勤務の頻度や時間数などから総合的に判断してください。深夜勤務は、\n"
        "　 　深夜時間帯（午後10時－午前5時）の一部または全部を含む勤務を言います。\n"
        "★2：肉体的作業や寒冷・暑熱作業などの身体的な面での負担。"));
    const auto& texts = ResultTableTexts();
    for (int row = 0; row < 5; ++row) {
        StringGrid1->SetCells(1, row, QString::fromStdString(texts[row][0]));
        StringGrid1->SetCells(2, row, QString::fromStdString(texts[row][1]));
    }
    QStringList advice;
    for (const char* line : AdviceLines) {
        advice << QString::fromUtf8(line);
    }
    Label28->setText(advice.join(QLatin1Char('\n')));
}

SelfCheckAnswers TFormUnitstchk::Answers() const {
    SelfCheckAnswers answers{};
    for (std::size_t q = 0; q < answerButtons_.size(); ++q) {
        for (std::size_t a = 0; a < answerButtons_[q].size(); ++a) {
            if (answerButtons_[q][a]->isChecked()) {
                answers[q] = static_cast<int>(a);
            }
        }
    }
    return answers;
}

void TFormUnitstchk::ShowPage(QFrame* page) {
    pages_->setCurrentWidget(page);
}

void TFormUnitstchk::Button1Click() {
    SymptomScore = CountSymptomScore(Answers());
    ShowPage(Panel2);
}

void TFormUnitstchk::Button2Click() {
    ShowPage(Panel1);
}

void TFormUnitstchk::Button3Click() {
    WorkloadScore = CountWorkloadScore(Answers());
    const int score = BurdenScore(SymptomGrade(SymptomScore), WorkGrade(WorkloadScore));
    BurdenBand = BandOfScore(score);
    Label26->setText(QString::number(score));
    StringGrid1->viewport()->update();
    ShowPage(Panel3);
    Button7->setFocus();
}

void TFormUnitstchk::Button4Click() {
    for (const auto& buttons : answerButtons_) {
        buttons.front()->setChecked(true);
    }
    SymptomScore = 0;
    WorkloadScore = 0;
    ShowPage(Panel1);
}

void TFormUnitstchk::Button5Click() {
    ShowPage(Panel2);
}

void TFormUnitstchk::Button6Click() {
    PreviewSelfCheckReport(this, Snapshot());
}

void TFormUnitstchk::Button7Click() {
    CancelAndClose();
}

SelfCheckSnapshot TFormUnitstchk::Snapshot() const {
    SelfCheckSnapshot snapshot;
    snapshot.answers = Answers();
    snapshot.score = Label26->text();
    for (int row = 0; row < 5; ++row) {
        snapshot.verdicts[static_cast<std::size_t>(row)] = StringGrid1->Cells(2, row);
    }
    return snapshot;
}
