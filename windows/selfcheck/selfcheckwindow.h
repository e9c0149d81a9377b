#pragma once
// The fatigue self-check window (TFormUnitstchk, "疲労蓄積度自己診断チェック").

#include "engine/selfcheckscore.h"
#include "platform/modalform.h"
#include "windows/reports/snapshots.h"

#include <array>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class TStringGrid;

// The fatigue self-check: symptoms on the first page, working conditions on
// the second, the judgement on the third. The answers live only as long as
// the window; the counts go into SymptomScore, WorkloadScore and BurdenBand.
class TFormUnitstchk : public TModalForm {
    Q_OBJECT
public:
    explicit TFormUnitstchk(QWidget* owner);

    void FormShow();
    void Button1Click(); // "次へ＞"
    void Button2Click(); // "＜前へ" on the second page
    void Button3Click(); // "総合判定＞"
    void Button4Click(); // "≪最初から"
    void Button5Click(); // "＜前へ" on the result page
    void Button6Click(); // "印刷"
    void Button7Click(); // "閉じる"

    // The checked answer of every question, in the order of
    // SelfCheckQuestions().
    SelfCheckAnswers Answers() const;
    // What the self-check sheet prints, read from the window.
    SelfCheckSnapshot Snapshot() const;

    // The radio buttons of question q (order of SelfCheckQuestions()).
    const std::vector<QRadioButton*>& AnswerButtons(int q) const {
        return answerButtons_[static_cast<std::size_t>(q)];
    }

    QFrame *Panel1 = nullptr, *Panel2 = nullptr, *Panel3 = nullptr;
    QLabel *Label16 = nullptr, *Label26 = nullptr, *Label28 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *Button5 = nullptr, *Button6 = nullptr, *Button7 = nullptr;
    TStringGrid* StringGrid1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFrame* BuildQuestionPage(const char* name, const char* instruction, int first, int count);
    QFrame* BuildResultPage();
    QVariant ResultCellStyle(int col, int row, int role) const;
    void ShowPage(QFrame* page);

    QStackedLayout* pages_ = nullptr;
    std::array<std::vector<QRadioButton*>, SelfCheckQuestionCount> answerButtons_;
};
