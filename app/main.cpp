// SPDX-License-Identifier: GPL-3.0-or-later
// The program starts with the splash screen, which hands over to the main
// window after eight seconds or at a click.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <memory>

#include "day_clock.h"
#include "dialogs.h"
#include "link_opener.h"
#include "main_window.h"
#include "program_identity.h"
#include "qt_timer.h"
#include "random_source.h"
#include "session.h"
#include "splash_screen.h"
#include "translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(velmora::identity::kTitle);
    QApplication::setApplicationVersion(velmora::versionLine(QString()));

    velmora::QtDialogs dialogs;
    velmora::SystemDayClock clock;
    velmora::TimeSeededRandom random(clock);
    velmora::QtTimer pauses(Qt::PreciseTimer);
    velmora::DesktopLinkOpener links;
    // Beside the program first, as in the build folder; then the data folder
    // of an installation, wherever its prefix, and those of the desktop's
    // data paths.
    QStringList clipFolders{
        QApplication::applicationDirPath(),
        QDir::cleanPath(QApplication::applicationDirPath() + "/../share/velmora")};
    for (const QString& folder : QStandardPaths::locateAll(
             QStandardPaths::GenericDataLocation, "velmora", QStandardPaths::LocateDirectory)) {
        if (!clipFolders.contains(folder)) {
            clipFolders << folder;
        }
    }
    // The texts in the system's language where the game has a catalogue for
    // it, looked for where the clips are; English otherwise.
    velmora::installTranslations(clipFolders, &app);

    std::unique_ptr<velmora::Session> session;
    auto mainWindow = [&]() -> QWidget* {
        if (!session) {
            session = std::make_unique<velmora::Session>(
                velmora::SessionServices{dialogs, random, pauses, links}, clipFolders);
            dialogs.setParent(&session->window());
            QObject::connect(session.get(), &velmora::Session::finished, &app,
                             [] { QCoreApplication::exit(0); });
        }
        return &session->window();
    };
    auto* splash = new velmora::SplashScreen(mainWindow, clipFolders);
    splash->show();
    return app.exec();
}
