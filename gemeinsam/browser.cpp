// Opening the help and homepage files.
#include "browser.h"

#include "programmpfade.h"

#include <QDesktopServices>
#include <QUrl>

namespace lexidor {

void HtmlOeffnen(const QString& name) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(MitgelieferteDatei(name)));
}

} // namespace lexidor
