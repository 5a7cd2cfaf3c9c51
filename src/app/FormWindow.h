#pragma once

// A window the registry knows by name. The registry runs formLoad() right after
// constructing it (the window's load handler) and formUnload() before deleting it.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    virtual void formLoad() {}
    virtual void formUnload() {}
};
