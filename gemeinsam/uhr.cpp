// Today, the time of day and the regional date pattern, from the system's clock and locale.
#include "uhr.h"

#include <QDate>
#include <chrono>
#include <clocale>
#include <ctime>
#include <langinfo.h>

namespace lexidor {

Datum Heute() {
    const QDate heute = QDate::currentDate();
    return DatumAus(heute.year(), static_cast<unsigned>(heute.month()),
                    static_cast<unsigned>(heute.day()));
}

std::string Datumsmuster() {
    // The regional settings are LC_TIME of the environment, as the user set them.
    const char* name = std::setlocale(LC_TIME, "");
    return KurzdatumMuster(name ? name : "C", nl_langinfo(D_FMT));
}

std::uint64_t Uhrsaat() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

QString Uhrzeit() {
    std::setlocale(LC_TIME, "");
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    localtime_r(&jetzt, &ortszeit);
    char puffer[64];
    const std::size_t n = std::strftime(puffer, sizeof puffer, nl_langinfo(T_FMT), &ortszeit);
    return QString::fromLocal8Bit(puffer, static_cast<qsizetype>(n));
}

} // namespace lexidor
