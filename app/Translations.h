// The window speaks Russian, Qt's own texts and the system's messages included.
#pragma once

namespace kalkora {

// Loads Qt's Russian translations: the buttons of message boxes, the file dialogs, the fields'
// context menus and Qt's own messages. False when they are not installed; Qt's texts then stay
// as they are.
bool LoadRussianTranslations();

// Switches the system's messages (file errors such as "Not a directory") to Russian where a
// Russian locale is installed; only messages change, since number text never depends on the
// locale. False when no Russian locale is there.
bool UseRussianSystemMessages();

}  // namespace kalkora
