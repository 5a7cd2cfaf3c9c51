#pragma once

// A window the registry knows by name. The registry runs formLoad() right after
// constructing it (the window's load handler) and formUnload() before deleting it.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    virtual void formLoad() {}
    virtual void formUnload() {}
    // True when closing the window from its frame unloads it, as its own Close
    // button does; the registry then does it, so the next load starts afresh.
    virtual bool unloadsOnClose() const { return false; }
};
