#include "app/AppWindows.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/HelpViewer.h"
#include "app/Intro.h"
#include "app/Login.h"
#include "app/MainProgram.h"
#include "app/bgForm.h"
#include "app/disclaimer.h"
#include "app/frmAbout.h"
#include "app/frmOptions.h"
#include "app/frmTip.h"
#include "app/frmloginHelp.h"

namespace {

template <class Window> Forms::Factory factory()
{
    return [](AppContext& context) -> QWidget* {
        return new Window(context);
    };
}

} // namespace

void registerAppWindows(Forms& forms)
{
    forms.registerWindow(QStringLiteral("Intro"), factory<Intro>());
    forms.registerWindow(QStringLiteral("disclaimer"), factory<disclaimer>());
    forms.registerWindow(QStringLiteral("Login"), factory<Login>());
    forms.registerWindow(QStringLiteral("MainProgram"), factory<MainProgram>());
    forms.registerWindow(QStringLiteral("bgForm"), factory<bgForm>(), Forms::Placement::Child);
    forms.registerWindow(QStringLiteral("frmOptions"), factory<frmOptions>());
    forms.registerWindow(QStringLiteral("frmTip"), factory<frmTip>());
    forms.registerWindow(QStringLiteral("frmAbout"), factory<frmAbout>());
    forms.registerWindow(QStringLiteral("frmloginHelp"), factory<frmloginHelp>());
    forms.registerWindow(HelpViewer::windowName(), factory<HelpViewer>());
}
