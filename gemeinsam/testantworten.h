// The test hook of the program's dialogs: while answers are queued, a dialog is not shown and
// takes the next one instead; in test mode an unqueued one is not shown either.
#pragma once

#include <QList>
#include <optional>

namespace lexidor {

template <typename Antwort> class Testantworten {
public:
    void Anhaengen(Antwort antwort) { schlange_.append(std::move(antwort)); }
    void Leeren() { schlange_.clear(); }
    // The next queued answer, or nullopt when none is queued.
    std::optional<Antwort> Naechste() {
        if (schlange_.isEmpty()) {
            return std::nullopt;
        }
        return schlange_.takeFirst();
    }

    bool ImTest = false;

private:
    QList<Antwort> schlange_;
};

} // namespace lexidor
