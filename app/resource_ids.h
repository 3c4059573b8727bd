#pragma once

// Ids shared by vanterel.rc and the code that loads the resources. Explorer
// shows the icon group with the lowest id as the file's icon.
#define IDI_VANTEREL 1
