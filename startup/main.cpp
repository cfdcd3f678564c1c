// The program starts with the splash screen, which hands over to the main
// window after eight seconds or at a click.
#include <QApplication>

#include <memory>

#include "day_clock.h"
#include "dialogs.h"
#include "form_velmora.h"
#include "link_opener.h"
#include "program_identity.h"
#include "random_source.h"
#include "splash_screen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(velmora::identity::kTitle);
    QApplication::setApplicationVersion(velmora::VersionLine(QString()));

    velmora::QtDialogs dialogs;
    velmora::SystemDayClock clock;
    velmora::TimeSeededRandom random(clock);
    velmora::DesktopLinkOpener links;
    const QString folder = QApplication::applicationDirPath();

    std::unique_ptr<velmora::FormVelmora> window;
    auto mainWindow = [&]() -> QWidget* {
        if (!window) {
            window = std::make_unique<velmora::FormVelmora>(
                velmora::WindowServices{dialogs, clock, random, links}, folder);
            dialogs.SetParent(window.get());
            window->Form_Load();
        }
        return window.get();
    };
    auto* splash = new velmora::SplashScreen(mainWindow, folder);
    splash->show();
    return app.exec();
}
