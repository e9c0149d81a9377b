#include "timetext.h"

#include "datanumbers.h"

#include <charconv>

namespace {

struct HourMinute {
    std::int64_t h = 0;
    std::int64_t m = 0;
};

// A part of a time is a decimal integer with an optional sign; the
// hexadecimal forms of the settings file's integers are no time.
std::optional<std::int64_t> ReadPart(std::string_view part) {
    std::optional<std::int32_t> value = ParseDecimal(part);
    if (!value) {
        return std::nullopt;
    }
    return *value;
}

HourMinute ReadLenient(std::string_view time) {
    TimeParts parts = SplitTime(time);
    return {ReadPart(parts.hours).value_or(0), ReadPart(parts.minutes).value_or(0)};
}

std::optional<HourMinute> ReadStrict(std::string_view time) {
    TimeParts parts = SplitTime(time);
    std::optional<std::int64_t> h = ReadPart(parts.hours);
    std::optional<std::int64_t> m = ReadPart(parts.minutes);
    if (!h || !m) {
        return std::nullopt;
    }
    return HourMinute{*h, *m};
}

void AppendNumber(std::string& out, std::int64_t value) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
}

std::string Number(std::int64_t value) {
    std::string out;
    AppendNumber(out, value);
    return out;
}

// Hours, ":" and the minutes with a "0" in front when below 10.
std::string WriteTwoDigit(std::int64_t hours, std::int64_t minutes) {
    std::string out;
    out.reserve(8);
    AppendNumber(out, hours);
    out += minutes < 10 ? ":0" : ":";
    AppendNumber(out, minutes);
    return out;
}

// Hours, ":" and PadTwo of the minutes.
std::string WritePadded(std::int64_t hours, std::int64_t minutes) {
    return Number(hours) + ":" + PadTwo(Number(minutes));
}

// The candidate time text for a typed text of digits and ":" (separators
// already made ":"), chosen by its length and the separator's place; empty
// for a shape that is not a time.
std::string TypedCandidate(const std::string& s, int separators) {
    if (separators >= 2) {
        return {};
    }
    const std::size_t length = s.size();
    if (separators == 0) {
        switch (length) {
        case 1:
        case 2:
            return s + ":00";
        case 3:
            return s.substr(0, 1) + ":" + s.substr(1);
        case 4:
            return s.substr(0, 2) + ":" + s.substr(2);
        default:
            return {};
        }
    }
    const std::size_t p = s.find(':') + 1; // counted from 1
    switch (length) {
    case 2:
        return p == 1 ? "0" + s + "0" : s + "00";
    case 3:
        return p == 1 ? "0" + s : p == 2 ? s + "0" : s + "00";
    case 4:
        return p == 2 ? s : p == 3 ? s + "0" : std::string();
    case 5:
        return p == 3 ? s : std::string();
    default:
        return {};
    }
}

} // namespace

std::string NormalizeTimeText(std::string_view typed) {
    if (typed.empty() || typed.size() > 5) {
        return {};
    }
    std::string s(typed);
    int separators = 0;
    for (char& c : s) {
        if (c == ',' || c == '.' || c == ':') {
            c = ':';
            ++separators;
        } else if (!IsDigit(c)) {
            return {};
        }
    }
    HourMinute t = ReadLenient(TypedCandidate(s, separators));
    t.h += t.m / 60;
    t.m %= 60;
    // Hours of 100 and more would make a six-character text that the grid
    // refuses on its next display, losing the entry without a word.
    if (t.h >= 100) {
        return "0:00";
    }
    return WriteTwoDigit(t.h, t.m);
}

std::string NormalizeNumberText(std::string_view typed, int allowDecimal) {
    if (typed.empty() || typed.size() > 6) {
        return {};
    }
    int dots = 0;
    for (char c : typed) {
        if (c == '.' && allowDecimal == 1) {
            ++dots;
        } else if (!IsDigit(c)) {
            return {};
        }
    }
    std::string s(typed);
    if (allowDecimal != 1) {
        return s;
    }
    if (dots >= 2 || s.front() == '.') {
        return {};
    }
    if (s.back() == '.') {
        return s.size() == 6 ? std::string() : s + "0";
    }
    return s;
}

TimeParts SplitTime(std::string_view time) {
    const std::size_t colon = time.find(':');
    if (colon == std::string_view::npos) {
        return {"0", "0"};
    }
    std::string_view rest = time.substr(colon + 1);
    return {std::string(time.substr(0, colon)), std::string(rest.substr(0, rest.find(':')))};
}

OrderedSpan OrderSpan(std::string_view start, std::string_view end) {
    HourMinute a = ReadLenient(start);
    HourMinute b = ReadLenient(end);
    if (b.h < a.h || (b.h == a.h && b.m < a.m)) {
        b.h += 24;
    }
    return {Number(a.h) + ":" + Number(a.m), Number(b.h) + ":" + Number(b.m)};
}

std::string TimeDiff(std::string_view a, std::string_view b) {
    HourMinute from = ReadLenient(a);
    HourMinute to = ReadLenient(b);
    if (to.m < from.m) {
        to.h -= 1;
        to.m += 60;
    }
    std::int64_t hours = to.h - from.h;
    if (hours < 0) {
        hours += 24;
    }
    return WritePadded(hours, to.m - from.m);
}

std::string PadTwo(std::string_view text) {
    if (text.size() == 1) {
        return std::string{'0', text.front()};
    }
    return std::string(text);
}

std::optional<std::string> TimeAdd(std::string_view a, std::string_view b) {
    std::optional<HourMinute> x = ReadStrict(a);
    std::optional<HourMinute> y = ReadStrict(b);
    if (!x || !y) {
        return std::nullopt;
    }
    const std::int64_t m = x->m + y->m;
    return WriteTwoDigit(x->h + y->h + m / 60, m % 60);
}

std::string TimeSubClamp(std::string_view a, std::string_view b) {
    HourMinute x = ReadLenient(a);
    HourMinute y = ReadLenient(b);
    if (y.m > x.m) {
        x.h -= 1;
        x.m += 60;
    }
    std::int64_t hours = x.h - y.h;
    std::int64_t minutes = x.m - y.m;
    if (hours < 0) {
        hours = 0;
        minutes = 0;
    }
    return WritePadded(hours, minutes);
}

std::string TimeSub3(std::string_view a, std::string_view b1, std::string_view b2) {
    return TimeSubClamp(TimeSubClamp(a, b1), b2);
}

std::optional<std::string> TimeDivide(std::string_view time, int n) {
    if (time.empty() || n == 0) {
        return "0:00";
    }
    std::optional<HourMinute> t = ReadStrict(time);
    if (!t) {
        return std::nullopt;
    }
    return WriteTwoDigit(t->h / n, (t->m + (t->h % n) * 60) / n);
}

DaysAndTime SplitDays(std::string_view time) {
    const std::int64_t h = ReadLenient(time).h;
    return {Number(h % 24) + ":" + PadTwo(SplitTime(time).minutes), static_cast<int>(h / 24)};
}

std::optional<std::string> TimeHalf(std::string_view time) {
    std::optional<HourMinute> t = ReadStrict(time);
    if (!t) {
        return std::nullopt;
    }
    const std::int64_t minutes = t->h % 2 == 1 ? t->m + 60 : t->m;
    return WriteTwoDigit(t->h / 2, minutes / 2);
}

std::optional<int> TimeCompare(std::string_view a, std::string_view b) {
    std::optional<HourMinute> x = ReadStrict(a);
    std::optional<HourMinute> y = ReadStrict(b);
    if (!x || !y) {
        return std::nullopt;
    }
    const std::int64_t first = x->h * 60 + x->m;
    const std::int64_t second = y->h * 60 + y->m;
    return second < first ? 1 : second > first ? 2 : 0;
}

std::optional<std::string> TimeMultiply(std::string_view time, int n) {
    std::optional<HourMinute> t = ReadStrict(time);
    std::int64_t total = 0;
    if (!t || __builtin_mul_overflow(t->h * 60 + t->m, std::int64_t{n}, &total)) {
        return std::nullopt;
    }
    return WriteTwoDigit(total / 60, total % 60);
}

float TimeToHours(std::string_view time) {
    HourMinute t = ReadLenient(time);
    const long double hours =
        static_cast<long double>(t.h) + static_cast<long double>(t.m) * (1.0L / 60.0L);
    return static_cast<float>(hours);
}

std::int64_t TimeToMinutes(std::string_view time) {
    HourMinute t = ReadLenient(time);
    return t.h * 60 + t.m;
}

std::string MinutesToTime(std::int64_t minutes) {
    if (minutes < 0) {
        minutes = (minutes % MinutesPerDay + MinutesPerDay) % MinutesPerDay;
    }
    return WriteTwoDigit(minutes / 60, minutes % 60);
}

std::string TextAfterFirstLine(std::string_view text) {
    const std::size_t lineFeed = text.find('\n');
    return std::string(lineFeed == std::string_view::npos ? text : text.substr(lineFeed + 1));
}
