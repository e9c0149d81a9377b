#include "engine/selfcheckscore.h"

#include <gtest/gtest.h>

namespace {

// Answers that give the wanted symptom points with "時々ある" (1) and
// "よくある" (3).
SelfCheckAnswers WithSymptomPoints(int points) {
    SelfCheckAnswers answers{};
    for (int q = 0; q < SymptomQuestionCount && points > 0; ++q) {
        answers[q] = points >= 3 ? 2 : 1;
        points -= points >= 3 ? 3 : 1;
    }
    return answers;
}

int Judge(const SelfCheckAnswers& answers) {
    return BurdenScore(SymptomGrade(CountSymptomScore(answers)),
                       WorkGrade(CountWorkloadScore(answers)));
}

TEST(SelfCheckScoring, GradesChangeExactlyAtTheirEdges) {
    const std::pair<int, int> symptomEdges[] = {{0, 1}, {3, 1},  {4, 2},  {7, 2},
                                                {8, 3}, {14, 3}, {15, 4}, {39, 4}};
    for (auto [points, grade] : symptomEdges) {
        EXPECT_EQ(SymptomGrade(points), grade) << points;
        EXPECT_EQ(CountSymptomScore(WithSymptomPoints(points)), points);
    }
    const std::pair<int, int> workEdges[] = {{0, 1}, {2, 1}, {3, 2}, {5, 2},
                                             {6, 3}, {8, 3}, {9, 4}, {15, 4}};
    for (auto [points, grade] : workEdges) {
        EXPECT_EQ(WorkGrade(points), grade) << points;
    }
    const std::pair<int, int> bandEdges[] = {{0, 1}, {1, 1}, {2, 2}, {3, 2},
                                             {4, 3}, {5, 3}, {6, 4}, {7, 4}};
    for (auto [score, band] : bandEdges) {
        EXPECT_EQ(BandOfScore(score), band) << score;
    }
}

TEST(SelfCheckScoring, ScoreTableByGrades) {
    const int expected[4][4] = {{0, 0, 2, 4}, {0, 1, 3, 5}, {0, 2, 4, 6}, {1, 3, 5, 7}};
    for (int s = 1; s <= 4; ++s) {
        for (int w = 1; w <= 4; ++w) {
            EXPECT_EQ(BurdenScore(s, w), expected[s - 1][w - 1]) << s << "," << w;
        }
    }
}

TEST(SelfCheckScoring, AnswersCountByTheirPoints) {
    SelfCheckAnswers answers{};
    EXPECT_EQ(Judge(answers), 0);

    // Every symptom "よくある": 39 points, grade 4; work all first: score 1.
    for (int q = 0; q < SymptomQuestionCount; ++q) {
        answers[q] = 2;
    }
    EXPECT_EQ(CountSymptomScore(answers), 39);
    EXPECT_EQ(Judge(answers), 1);
    EXPECT_EQ(BandOfScore(Judge(answers)), 1);

    // Every heaviest work answer: 3 + 1 + 1 + 3 + 1 + 3 + 3 = 15 points.
    SelfCheckAnswers heavy{};
    const auto& questions = SelfCheckQuestions();
    for (int q = SymptomQuestionCount; q < SelfCheckQuestionCount; ++q) {
        heavy[q] = static_cast<int>(questions[q].answers.size()) - 1;
    }
    EXPECT_EQ(CountWorkloadScore(heavy), 15);
    EXPECT_EQ(Judge(heavy), 4);

    // Symptoms 4 (grade 2), work 3 (grade 2): score 1. Symptoms 8 and work
    // 6: score 4, band 3.
    SelfCheckAnswers mixed = WithSymptomPoints(4);
    mixed[13] = 2; // row 21 "非常に多い": 3
    EXPECT_EQ(CountWorkloadScore(mixed), 3);
    EXPECT_EQ(Judge(mixed), 1);
    mixed = WithSymptomPoints(8);
    mixed[13] = 2; // 3
    mixed[16] = 2; // row 24 "非常に大きい ": 3
    EXPECT_EQ(CountWorkloadScore(mixed), 6);
    EXPECT_EQ(Judge(mixed), 4);
    EXPECT_EQ(BandOfScore(Judge(mixed)), 3);
}

} // namespace
