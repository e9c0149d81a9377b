#pragma once

#include <functional>
#include <string>
#include <string_view>

// The bytes of a 2004 data file as golden files are written: the header line,
// then one line per day: "d=" and what line(d, "m/dd") gives, CR LF. The
// month lengths are written out here, not computed by the program's own date
// code, so that the golden bytes stand on their own.
inline std::string
YearFileBytes2004(std::string_view header,
                  const std::function<std::string(int day, const std::string& date)>& line) {
    static const int MonthLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string bytes = std::string(header) + "\r\n";
    int d = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int day = 1; day <= MonthLengths[m - 1]; ++day) {
            ++d;
            std::string date =
                std::to_string(m) + "/" + (day < 10 ? "0" : "") + std::to_string(day);
            bytes += std::to_string(d) + "=" + line(d, date) + "\r\n";
        }
    }
    return bytes;
}
