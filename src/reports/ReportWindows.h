#pragma once

class Forms;

// Registers this folder's windows with the registry by their names.
void registerReportWindows(Forms& forms);
