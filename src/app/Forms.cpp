#include "app/Forms.h"

#include "app/FormWindow.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The registered name of a window that the registry unloads when it is closed.
constexpr char nameProperty[] = "nutrovaFormName";

} // namespace

Forms::Forms(AppContext& context) : m_context(context) {}

Forms::~Forms()
{
    unloadAll();
}

void Forms::registerWindow(const QString& name, Factory factory, Placement placement)
{
    m_registered.insert(name, Entry{std::move(factory), placement});
}

bool Forms::isRegistered(const QString& name) const
{
    return m_registered.contains(name);
}

QWidget* Forms::load(const QString& name)
{
    if (QWidget* loaded = find(name))
        return loaded;
    const auto entry = m_registered.constFind(name);
    if (entry == m_registered.constEnd())
        return nullptr;
    QWidget* window = entry->factory(m_context);
    if (!window)
        return nullptr;
    if (window->objectName().isEmpty())
        window->setObjectName(name);
    m_loaded.insert(name, window);
    // A window that deletes itself (closed with delete-on-close) is no longer loaded.
    connect(window, &QObject::destroyed, this, [this, name, window] {
        const auto it = m_loaded.constFind(name);
        if (it != m_loaded.constEnd() && (it->isNull() || it->data() == window))
            m_loaded.remove(name);
    });
    if (entry->placement == Placement::Child && m_childHost)
        m_childHost(window);
    emit windowLoaded(name);
    auto* form = dynamic_cast<FormWindow*>(window);
    if (form && form->unloadsOnClose()) {
        window->setProperty(nameProperty, name);
        window->installEventFilter(this);
    }
    if (form)
        form->formLoad();
    return find(name); // the load handler may have unloaded it again
}

void Forms::show(const QString& name, bool modal)
{
    QWidget* window = load(name);
    if (!window)
        return;
    if (modal)
        window->setWindowModality(Qt::ApplicationModal);
    QWidget* frame =
        window->parentWidget() && !window->isWindow() ? window->parentWidget() : nullptr;
    window->show();
    if (frame && !frame->isWindow())
        frame->show();
    window->raise();
    // A window of the main window's area comes above the other windows there.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) {
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        sub->raise();
    }
    window->activateWindow();
}

void Forms::hide(const QString& name)
{
    if (QWidget* window = find(name))
        window->hide();
}

void Forms::unload(const QString& name)
{
    QPointer<QWidget> window = m_loaded.take(name);
    if (!window)
        return;
    if (auto* form = dynamic_cast<FormWindow*>(window.data()))
        form->formUnload();
    if (!window)
        return;
    window->hide();
    // A child window lives in a frame of the main window's area: remove the frame too.
    QWidget* toDelete = window;
    if (QWidget* frame = window->parentWidget(); frame && frame->inherits("QMdiSubWindow"))
        toDelete = frame;
    toDelete->hide();
    toDelete->deleteLater();
    emit windowUnloaded(name);
}

void Forms::unloadAll(const QStringList& except)
{
    const QStringList names = loadedNames();
    for (const QString& name : names) {
        if (!except.contains(name))
            unload(name);
    }
}

bool Forms::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        const QString name = watched->property(nameProperty).toString();
        if (!name.isEmpty() && find(name) == watched) {
            event->accept();
            unload(name);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget* Forms::find(const QString& name) const
{
    const auto it = m_loaded.constFind(name);
    return it == m_loaded.constEnd() ? nullptr : it->data();
}

QStringList Forms::loadedNames() const
{
    QStringList names;
    for (auto it = m_loaded.constBegin(); it != m_loaded.constEnd(); ++it) {
        if (!it->isNull())
            names << it.key();
    }
    return names;
}
