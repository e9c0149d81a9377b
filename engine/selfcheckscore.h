#pragma once

#include <array>
#include <string>
#include <vector>

// The fatigue self-check: twenty questions, each answered by exactly one of
// two or three answers, and the judgement that turns the answers into a
// burden score from 0 to 7 and one of four bands.

struct SelfCheckQuestion {
    int row;                          // 1..13 symptoms, 21..27 working conditions
    std::string caption;              // as the window shows it
    std::string printedCaption;       // as the self-check sheet prints it
    std::vector<std::string> answers; // window captions, left to right
    std::vector<std::string> printedAnswers;
    std::vector<int> points; // per answer
};

inline constexpr int SymptomQuestionCount = 13;
inline constexpr int WorkQuestionCount = 7;
inline constexpr int SelfCheckQuestionCount = SymptomQuestionCount + WorkQuestionCount;

// The symptom questions first (rows 1..13), then the work questions in the
// order they are shown (rows 21..27).
const std::array<SelfCheckQuestion, SelfCheckQuestionCount>& SelfCheckQuestions();

// Checked answer per question, 0-based, in the order of SelfCheckQuestions.
using SelfCheckAnswers = std::array<int, SelfCheckQuestionCount>;

// 0..39 from the symptom questions; 0..15 from the work questions.
int CountSymptomScore(const SelfCheckAnswers& answers);
int CountWorkloadScore(const SelfCheckAnswers& answers);

// Grades 1..4 of the two counts.
int SymptomGrade(int symptomScore);
int WorkGrade(int workloadScore);

// The burden score 0..7 from the two grades.
int BurdenScore(int symptomGrade, int workGrade);

// Band 1..4 of a score: 0-1, 2-3, 4-5, 6 and more.
int BandOfScore(int score);

// The texts of the result table, row 0 the titles: {points, verdict}.
const std::array<std::array<std::string, 2>, 5>& ResultTableTexts();
