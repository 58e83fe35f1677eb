// The system's clock and regional time settings.
#pragma once

#include "kurzdatum.h"

#include <QString>
#include <cstdint>
#include <string>

namespace lexidor {

Datum Heute();
// From LC_TIME of the environment; dd.mm.yyyy where the locale has no regional format.
std::string Datumsmuster();
// A seed for chance that differs from start to start.
std::uint64_t Uhrsaat();
// The time of day in the regional long time format (LC_TIME's T_FMT).
QString Uhrzeit();

} // namespace lexidor
