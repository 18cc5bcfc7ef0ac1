#include "faces/qt/app/ApplicationMain.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "faces/qt/app/AfterFirstFrame.h"
#include "faces/qt/app/ApplicationObject.h"
#include "faces/qt/app/DefaultIcon.h"
#include "faces/qt/app/FirstFrameProbe.h"
#include "contract/ProductInfo.h"
#include "faces/qt/app/ProgramServices.h"
#include "faces/qt/app/StartRoutine.h"
#include "faces/qt/app/Termination.h"
#include "core/frame/FrameServices.h"
#include "faces/qt/units/UnitAccessibility.h"
#include "contract/ServiceTable.h"

namespace {

// The application object's start hook.
int StartHook() { return StartRoutine(); }

}  // namespace

void InstallChineseTranslations()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    static QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}

void PrepareApplication(QApplication&)
{
    Q_INIT_RESOURCE(anglarix);
    QApplication::setApplicationName(QString::fromUtf8(product::kName));
    QApplication::setApplicationVersion(QString::fromUtf8(product::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.anglarix.Anglarix"));
    // The run ends by the frame's own rule when the last window of the program is gone.
    QApplication::setQuitOnLastWindowClosed(false);
    // Nothing shows these before the window does. A window system takes every size of a
    // window's icon when the window is made (on X the whole 256 x 256 picture, decoded and
    // sent), so windows without an icon of their own take the program's after their first
    // frame. The error box installs the translations itself if it comes first.
    RunAfterFirstFrame([] {
        QApplication::setWindowIcon(DefaultIcon());
        InstallChineseTranslations();
#if defined(__GLIBC__)
        // What the start left free in the heap (the form's loading, the fonts' first glyphs)
        // goes back to the system rather than staying resident for the rest of the run.
        malloc_trim(0);
#endif
    });
    FirstFrameProbe::InstallIfAsked();
    InstallUnitAccessibility();

    // A test may have put a table of its own in front of the program's.
    if (InstalledServices == nullptr)
        InstallServices(&ProgramServices());
}

int ApplicationMain(int argc, char** argv)
{
#if defined(__GLIBC__)
    // Blocks of 128 KiB and more always get pages of their own, given back when freed. Left to
    // itself the C library raises that bound to the largest block freed so far, so the
    // icon's pictures, a quarter of a megabyte each and made once, would stay in the heap for
    // the rest of the run.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    // Fractional scale factors (1.25, 1.5) are used as they are, not rounded to whole ones.
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    PrepareApplication(application);
    StartHook();  // returns 0 when the loop has ended: straight on to the exit path
    return ExitHandler(App().quit_code);
}
