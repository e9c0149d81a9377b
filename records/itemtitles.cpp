#include "itemtitles.h"

#include "cp932.h"

std::string ExerciseTitle(int movement, const std::string& name) {
    switch (movement) {
    case 0:
        return "（運動）\n万歩計数";
    case 1:
        return "（運動）\nｼﾞｮｷﾞﾝｸﾞ";
    case 2:
        return "（運動）\n" + CutToCp932Bytes(name, 8);
    default:
        return {};
    }
}

std::string ConditionTitle(int condition, const std::string& name) {
    switch (condition) {
    case 0:
        return "（体調）\n体重";
    case 1:
        return "（体調）\n最高血圧";
    case 2:
        return "（体調）\n" + CutToCp932Bytes(name, 8);
    default:
        return {};
    }
}
