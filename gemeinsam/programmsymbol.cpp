// The program icon from the shell library's resources.
#include "programmsymbol.h"

// The pictures live in the shell library; a static library must register them itself, and
// the icon is needed before the main window registers them.
static void InitSymbole() {
    Q_INIT_RESOURCE(lexidor);
}

namespace lexidor {

QIcon Programmsymbol() {
    InitSymbole();
    QIcon symbol;
    for (const int groesse : {16, 22, 24, 32, 48, 64, 128, 256}) {
        symbol.addFile(QStringLiteral(":/icons/lexidor/%1.png").arg(groesse),
                       QSize(groesse, groesse));
    }
    return symbol;
}

} // namespace lexidor
