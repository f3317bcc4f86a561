#pragma once
// Times of the calculation history as text, in UTC and without any locale: the proleptic
// Gregorian calendar, as ISO 8601 counts it.

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace brakefell {

// "2026-12-08T10:00:05.000Z": the date and the time of day to the millisecond.
std::string IsoUtcText(UtcMillis time);

// The time of an ISO 8601 text as IsoUtcText writes it, and the other forms a history line may
// hold: another offset ("+09:00", "-0530", "+9"), no offset (read as UTC), a blank
// for the "T", no seconds, a "," before the fraction, any number of fraction digits (to the
// nearest millisecond), 24:00 for the end of the day, a date alone (its midnight). nullopt for
// anything else, a date that does not exist (2026-02-30) or a time of day past 23:59:59.
std::optional<UtcMillis> UtcMillisOfIsoText(std::string_view text);

// "20261208-100005-000": the same time as part of a file name.
std::string CompactUtcText(UtcMillis time);

}  // namespace brakefell
