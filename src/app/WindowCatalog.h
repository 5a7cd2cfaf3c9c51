#pragma once

class Forms;

// Registers every window of the program.
void registerAllWindows(Forms& forms);
