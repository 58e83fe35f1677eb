// The HTML files the program ships with, handed to the user's web browser.
#pragma once

#include <QString>

namespace lexidor {

// Returns at once; whatever the desktop does with the file is all the user sees. Tests
// catch the "file" address with QDesktopServices::setUrlHandler.
void HtmlOeffnen(const QString& name);

} // namespace lexidor
