#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class AppContext;

// Every window by its name: loaded on first use (its load handler runs), shown,
// hidden and unloaded (deleted, so the next load starts afresh). A name nobody
// has registered yet is a quiet no-op, so a window can be named before it exists.
class Forms final : public QObject {
    Q_OBJECT

public:
    // Where a window lives when shown: on its own, or inside the main window's area.
    enum class Placement { TopLevel, Child };
    using Factory = std::function<QWidget*(AppContext&)>;
    // The main window hands in how a child window is put into its area.
    using ChildHost = std::function<void(QWidget*)>;

    // The factory of a window class constructed from the context alone.
    template <class Window> static Factory factory()
    {
        return [](AppContext& context) -> QWidget* {
            return new Window(context);
        };
    }

    explicit Forms(AppContext& context);
    ~Forms() override;
    Q_DISABLE_COPY_MOVE(Forms)

    void registerWindow(const QString& name, Factory factory,
                        Placement placement = Placement::TopLevel);
    bool isRegistered(const QString& name) const;

    // Loads the window if it is not loaded; nullptr for an unregistered name.
    QWidget* load(const QString& name);
    // Loads if needed and shows. Modal shows block input to other windows
    // without blocking the caller, so tests and timers keep running.
    void show(const QString& name, bool modal = false);
    void hide(const QString& name);
    void unload(const QString& name);
    // Unloads every loaded window but those named.
    void unloadAll(const QStringList& except = {});

    QWidget* find(const QString& name) const;
    template <class T> T* find(const QString& name) const { return dynamic_cast<T*>(find(name)); }
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    QStringList loadedNames() const;

    void setChildHost(ChildHost host) { m_childHost = std::move(host); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void windowLoaded(const QString& name);
    void windowUnloaded(const QString& name);

private:
    struct Entry {
        Factory factory;
        Placement placement = Placement::TopLevel;
    };

    AppContext& m_context;
    QHash<QString, Entry> m_registered;
    QHash<QString, QPointer<QWidget>> m_loaded;
    ChildHost m_childHost;
};
