// At most one running Lexidor per user and program directory: a second start hands its card
// box over to the first, which comes to the front and opens it, and then ends.
#pragma once

#include "einzelsperre.h"

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lexidor {

class Einzelinstanz final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Einzelinstanz)

public:
    explicit Einzelinstanz(QObject* parent = nullptr);
    ~Einzelinstanz() override;

    // Claims the place before anything else happens. False when another instance holds it;
    // that one has been told to come to the front and handed kartei (an absolute path, empty
    // for none), or, when it does not answer, the user has been told so. A lock from another
    // computer or without a readable holder is taken over with a note. Without a private folder to
    // claim it in, the program runs unguarded rather than not at all.
    bool Beanspruchen(const QString& kartei = {});
    // The window a second start brings to the front; until it exists, the open modal box.
    // oeffnen takes the boxes handed over, also those that came before it was set.
    void FensterSetzen(QWidget* fenster, std::function<void(const QString&)> oeffnen = {});

    // The user's private runtime folder: $XDG_RUNTIME_DIR when only the user may enter it,
    // else a folder of the user's own made so. Empty when there is none.
    static QString PrivatesVerzeichnis();
    // Where the socket lies; the lock file lies beside it.
    QString Socketpfad() const { return pfad_; }

private:
    // A second start: tells the first to come to the front, waiting a moment for it to listen.
    // False when it never answered.
    bool ErstenVorholen(const QByteArray& nachricht);
    // The holder the lock file names; nullopt when it names none readably.
    std::optional<Sperrinhaber> Inhaber() const;
    std::optional<Sperrinhaber> InhaberAbwarten() const;
    static std::string Rechner();
    // A lock that cannot be checked from here: removed and claimed, with a note.
    void Uebernehmen(const std::optional<Sperrinhaber>& inhaber);
    void Lauschen();
    bool Weitergeben(const QByteArray& nachricht) const;
    // The first: a second start has asked, and has said all once it hangs up.
    void NachVorn();
    void Angekommen(const QByteArray& nachricht);
    void Abarbeiten();

    QString pfad_;
    std::unique_ptr<QLockFile> sperre_;
    QLocalServer server_;
    QPointer<QWidget> fenster_;
    std::function<void(const QString&)> oeffnen_;
    QStringList wartend_;
    bool oeffnet_ = false;
};

} // namespace lexidor
