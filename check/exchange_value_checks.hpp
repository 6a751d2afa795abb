#pragma once
// Values that the exchange XML writes empty, or writes as the source says although
// they cannot be right: each a warning naming the file, the record and the field.
#include "check/check_problem.hpp"
#include "model/boring.hpp"
#include "model/survey_dates.hpp"

namespace velni {

// Days of the survey's period that do not exist, lie after `exportDay` or end the
// period before it starts; penetration tests whose increments do not add up to
// their whole drive, and blow counts that are not whole numbers.
CheckProblems CheckExchangeValues(const Boring& boring, const CalendarDate& exportDay);

}  // namespace velni
