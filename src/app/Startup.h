#pragma once

class AppContext;

// Starts the program's first window; the event loop does the rest.
void startNutrova(AppContext& context);
