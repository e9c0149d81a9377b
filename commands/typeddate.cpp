#include "typeddate.h"

#include "records/datanumbers.h"

#include <algorithm>
#include <vector>

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<CivilDate> RealDate(std::string_view year, std::string_view month,
                                  std::string_view day) {
    if (year.size() != 4 || month.empty() || month.size() > 2 || day.empty() || day.size() > 2 ||
        !AllDigits(year) || !AllDigits(month) || !AllDigits(day)) {
        return std::nullopt;
    }
    CivilDate date{Number(year), Number(month), Number(day)};
    if (!IsValidDate(date.year, date.month, date.day)) {
        return std::nullopt;
    }
    return date;
}

} // namespace

std::optional<CivilDate> ParseTypedDate(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) < 33) {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) < 33) {
        text.remove_suffix(1);
    }
    std::size_t first = text.find('/');
    if (first != std::string_view::npos) {
        std::size_t second = text.find('/', first + 1);
        if (second == std::string_view::npos) {
            return std::nullopt;
        }
        return RealDate(text.substr(0, first), text.substr(first + 1, second - first - 1),
                        text.substr(second + 1));
    }
    if (!AllDigits(text) || text.size() < 6 || text.size() > 8) {
        return std::nullopt;
    }
    // Month and day of one or two digits each: every split of the digits
    // after the year that gives a real date.
    std::string_view rest = text.substr(4);
    std::vector<CivilDate> dates;
    for (std::size_t monthDigits = 1; monthDigits <= 2 && monthDigits < rest.size();
         ++monthDigits) {
        if (auto date = RealDate(text.substr(0, 4), rest.substr(0, monthDigits),
                                 rest.substr(monthDigits))) {
            dates.push_back(*date);
        }
    }
    if (dates.size() != 1) {
        return std::nullopt;
    }
    return dates.front();
}
