#include "text/utc_time_text.h"

#include <cstdint>
#include <cstdio>

namespace brakefell {
namespace {

constexpr std::int64_t kMillisPerDay = 86'400'000;

struct CivilDate {
    std::int64_t year;
    int month;  // 1..12
    int day;    // 1..31
};

struct CivilTime {
    CivilDate date;
    int hour;
    int minute;
    int second;
    int millisecond;
};

// Days since 1970-01-01 of a date, and back: whole 400-year eras of 146,097 days, with the year
// counted from March so that the leap day comes last.
std::int64_t DaysOf(const CivilDate& date) {
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const int monthFromMarch = (date.month + 9) % 12;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

CivilDate DateOf(std::int64_t days) {
    days += 719'468;
    const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const std::int64_t dayOfEra = days - era * 146'097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month =
        static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

bool IsLeapYear(std::int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(std::int64_t year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

CivilTime CivilOf(UtcMillis time) {
    const std::int64_t days = (time >= 0 ? time : time - (kMillisPerDay - 1)) / kMillisPerDay;
    const auto ofDay = static_cast<int>(time - days * kMillisPerDay);
    return {DateOf(days), ofDay / 3'600'000, ofDay / 60'000 % 60, ofDay / 1000 % 60, ofDay % 1000};
}

// The time's year, month, day, hour, minute, second and millisecond, in this order, by a format
// of printf's (integers only, so the locale plays no part).
std::string CivilText(UtcMillis time, const char* format) {
    const CivilTime t = CivilOf(time);
    char text[48];
    std::snprintf(text, sizeof text, format, static_cast<long long>(t.date.year), t.date.month,
                  t.date.day, t.hour, t.minute, t.second, t.millisecond);
    return text;
}

// Reads the text from the start, digit group by digit group.
class IsoReader {
  public:
    explicit IsoReader(std::string_view text) : text_(text) {}

    // Exactly `count` digits.
    std::optional<int> digits(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            if (!nextIsDigit()) {
                return std::nullopt;
            }
            value = value * 10 + (text_[position_++] - '0');
        }
        return value;
    }
    bool skip(char c) {
        if (position_ < text_.size() && text_[position_] == c) {
            ++position_;
            return true;
        }
        return false;
    }
    bool nextIsDigit() const {
        return position_ < text_.size() && text_[position_] >= '0' && text_[position_] <= '9';
    }
    bool atEnd() const { return position_ == text_.size(); }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Milliseconds of a second's fraction, the nearest one (a half rounds up): 0 to 1000.
int FractionMillis(IsoReader& reader) {
    int millis = 0;
    int place = 0;
    for (; reader.nextIsDigit(); ++place) {
        const int digit = *reader.digits(1);
        if (place < 3) {
            millis = millis * 10 + digit;
        } else if (place == 3 && digit >= 5) {
            ++millis;
        }
    }
    for (; place < 3; ++place) {
        millis *= 10;  // ".5" is 500 milliseconds
    }
    return millis;
}

// Minutes east of UTC: "Z", "+HH:MM", "+HHMM", "+HH", "+H", or nothing (read as UTC).
std::optional<int> OffsetMinutes(IsoReader& reader) {
    if (reader.skip('Z') || reader.atEnd()) {
        return 0;
    }
    const int sign = reader.skip('+') ? 1 : reader.skip('-') ? -1 : 0;
    auto hours = reader.digits(1);
    if (sign == 0 || !hours) {
        return std::nullopt;
    }
    if (reader.nextIsDigit()) {
        hours = *hours * 10 + *reader.digits(1);
    }
    int minutes = 0;
    if (!reader.atEnd()) {
        reader.skip(':');
        const auto read = reader.digits(2);
        if (!read || *read > 59) {
            return std::nullopt;
        }
        minutes = *read;
    }
    if (*hours > 23) {
        return std::nullopt;
    }
    return sign * (*hours * 60 + minutes);
}

}  // namespace

std::string IsoUtcText(UtcMillis time) {
    return CivilText(time, "%04lld-%02d-%02dT%02d:%02d:%02d.%03dZ");
}

std::string CompactUtcText(UtcMillis time) {
    return CivilText(time, "%04lld%02d%02d-%02d%02d%02d-%03d");
}

std::optional<UtcMillis> UtcMillisOfIsoText(std::string_view text) {
    IsoReader reader(text);
    const auto year = reader.digits(4);
    const auto month = year && reader.skip('-') ? reader.digits(2) : std::nullopt;
    const auto day = month && reader.skip('-') ? reader.digits(2) : std::nullopt;
    if (!day || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    const std::int64_t days = DaysOf({*year, *month, *day});
    if (reader.atEnd()) {
        return days * kMillisPerDay;  // a date alone: its midnight
    }
    if (!reader.skip('T') && !reader.skip(' ')) {
        return std::nullopt;
    }
    const auto hour = reader.digits(2);
    const auto minute = hour && reader.skip(':') ? reader.digits(2) : std::nullopt;
    if (!minute) {
        return std::nullopt;
    }
    int second = 0;
    if (reader.skip(':')) {
        const auto read = reader.digits(2);
        if (!read) {
            return std::nullopt;
        }
        second = *read;
    }
    int millis = 0;
    if (reader.skip('.') || reader.skip(',')) {
        if (!reader.nextIsDigit()) {
            return std::nullopt;
        }
        millis = FractionMillis(reader);
    }
    // 24:00 is the midnight that ends the day; no other time of day goes past 23:59:59.
    const bool endOfDay = *hour == 24 && *minute == 0 && second == 0 && millis == 0;
    if ((*hour > 23 && !endOfDay) || *minute > 59 || second > 59) {
        return std::nullopt;
    }
    const auto offset = OffsetMinutes(reader);
    if (!offset || !reader.atEnd()) {
        return std::nullopt;
    }
    const std::int64_t ofDay =
        ((std::int64_t{*hour} * 60 + *minute - *offset) * 60 + second) * 1000 + millis;
    return days * kMillisPerDay + ofDay;
}

}  // namespace brakefell
