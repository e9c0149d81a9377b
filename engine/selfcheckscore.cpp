#include "selfcheckscore.h"

#include <algorithm>

namespace {

SelfCheckQuestion Symptom(int row, const char* caption) {
    std::vector<std::string> answers{"ほとんどない", "時々ある", "よくある"};
    return {row, caption, caption, answers, answers, {0, 1, 3}};
}

int Clamp(int value, int low, int high) {
    return std::clamp(value, low, high);
}

int CountRange(const SelfCheckAnswers& answers, int first, int count) {
    const auto& questions = SelfCheckQuestions();
    int sum = 0;
    for (int i = first; i < first + count; ++i) {
        const std::vector<int>& points = questions[i].points;
        int answer = Clamp(answers[i], 0, static_cast<int>(points.size()) - 1);
        sum += points[answer];
    }
    return sum;
}

} // namespace

const std::array<SelfCheckQuestion, SelfCheckQuestionCount>& SelfCheckQuestions() {
    static const std::array<SelfCheckQuestion, SelfCheckQuestionCount> Questions{
        Symptom(1, " 1. イライラする"),
        Symptom(2, " 2. 不安だ"),
        Symptom(3, " 3. 落ち着かない"),
        Symptom(4, " 4. ゆううつだ"),
        Symptom(5, " 5. よく眠れない"),
        Symptom(6, " 6．体の調子が悪い"),
        Symptom(7, " 7. 物事に集中できない"),
        Symptom(8, " 8. することに間違いが多い"),
        Symptom(9, " 9. 仕事中、強い眠気に襲われる"),
        Symptom(10, "10. やる気が出ない"),
        Symptom(11, "11. へとへとだ（運動後を除く）"),
        Symptom(12, "12. 朝、起きた時、ぐったりした疲れを感じる"),
        Symptom(13, "13. 以前とくらべて、疲れやすい"),
        SelfCheckQuestion{21,
                          "1. 1ヶ月の時間外労働",
                          " 1. 1ヶ月の時間外労働 ",
                          {"ない又は適当", "多い", "非常に多い"},
                          {"ない又は適当", "多い", "非常に多い "},
                          {0, 1, 3}},
        SelfCheckQuestion{22,
                          "2. 不規則な勤務(予定の変更、突然の仕事)",
                          " 2. 不規則な勤務(予定の変更、突然の仕事)",
                          {"少ない", "多い"},
                          {"少ない", "多い"},
                          {0, 1}},
        SelfCheckQuestion{23,
                          "3. 出張に伴う負担(頻度・拘束時間・時差など)",
                          " 3. 出張に伴う負担(頻度・拘束時間・時差など)",
                          {"ない又は小さい", "大きい"},
                          {"ない又は小さい", "大きい"},
                          {0, 1}},
        SelfCheckQuestion{24,
                          "4. 深夜勤務に伴う負担(★1)",
                          " 4. 深夜勤務に伴う負担 ",
                          {"ない又は小さい", "大きい", "非常に大きい "},
                          {"ない又は小さい", "大きい", "非常に大きい"},
                          {0, 1, 3}},
        SelfCheckQuestion{25,
                          "5. 休憩・仮眠の時間数及び施設",
                          " 5. 休憩・仮眠の時間数及び施設 ",
                          {"適切である", "不適切である"},
                          {"適切である", "不適切である"},
                          {0, 1}},
        SelfCheckQuestion{26,
                          "6．仕事についての精神的負担",
                          " 6．仕事についての精神的負担 ",
                          {"小さい", "大きい", "非常に大きい"},
                          {"小さい", "大きい", "非常に大きい"},
                          {0, 1, 3}},
        SelfCheckQuestion{27,
                          "7. 仕事についての身体的負担(★2)",
                          " 7. 仕事についての身体的負担 ",
                          {" 小さい", "大きい", "非常に大きい"},
                          {"小さい", "大きい", "非常に大きい"},
                          {0, 1, 3}},
    };
    return Questions;
}

int CountSymptomScore(const SelfCheckAnswers& answers) {
    return CountRange(answers, 0, SymptomQuestionCount);
}

int CountWorkloadScore(const SelfCheckAnswers& answers) {
    return CountRange(answers, SymptomQuestionCount, WorkQuestionCount);
}

int SymptomGrade(int symptomScore) {
    if (symptomScore <= 3) {
        return 1;
    }
    if (symptomScore <= 7) {
        return 2;
    }
    return symptomScore <= 14 ? 3 : 4;
}

int WorkGrade(int workloadScore) {
    if (workloadScore <= 2) {
        return 1;
    }
    if (workloadScore <= 5) {
        return 2;
    }
    return workloadScore <= 8 ? 3 : 4;
}

int BurdenScore(int symptomGrade, int workGrade) {
    static const int Table[4][4] = {{0, 0, 2, 4}, {0, 1, 3, 5}, {0, 2, 4, 6}, {1, 3, 5, 7}};
    return Table[Clamp(symptomGrade, 1, 4) - 1][Clamp(workGrade, 1, 4) - 1];
}

int BandOfScore(int score) {
    if (score <= 1) {
        return 1;
    }
    if (score <= 3) {
        return 2;
    }
    return score <= 5 ? 3 : 4;
}

const std::array<std::array<std::string, 2>, 5>& ResultTableTexts() {
    static const std::array<std::array<std::string, 2>, 5> Texts{{
        {"点数", "仕事に対する負担度"},
        {"0～1", "低いと考えられます"},
        {"2～3", "やや高いと考えられます"},
        {"4～5", "高いと考えられます"},
        {"6～7", "非常に高いと考えられます"},
    }};
    return Texts;
}
