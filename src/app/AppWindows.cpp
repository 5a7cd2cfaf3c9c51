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

void registerAppWindows(Forms& forms)
{
    forms.registerWindow(QStringLiteral("Intro"), Forms::factory<Intro>());
    forms.registerWindow(QStringLiteral("disclaimer"), Forms::factory<disclaimer>());
    forms.registerWindow(QStringLiteral("Login"), Forms::factory<Login>());
    forms.registerWindow(QStringLiteral("MainProgram"), Forms::factory<MainProgram>());
    forms.registerWindow(QStringLiteral("bgForm"), Forms::factory<bgForm>(),
                         Forms::Placement::Child);
    forms.registerWindow(QStringLiteral("frmOptions"), Forms::factory<frmOptions>());
    forms.registerWindow(QStringLiteral("frmTip"), Forms::factory<frmTip>());
    forms.registerWindow(QStringLiteral("frmAbout"), Forms::factory<frmAbout>());
    forms.registerWindow(QStringLiteral("frmloginHelp"), Forms::factory<frmloginHelp>());
    forms.registerWindow(HelpViewer::windowName(), Forms::factory<HelpViewer>());
}
