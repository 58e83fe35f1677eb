// Pauses that tests switch off.
#pragma once

namespace lexidor {

// A blocking pause of the user-interface thread. Tests switch the waiting off.
void Pause(int ms);
void PausenAbschalten(bool ab);

} // namespace lexidor
