#include <QApplication>

#include "day_clock.h"
#include "dialogs.h"
#include "form_velmora.h"
#include "random_source.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmora");

    velmora::QtDialogs dialogs;
    velmora::SystemDayClock clock;
    velmora::TimeSeededRandom random(clock);
    velmora::FormVelmora window({dialogs, clock, random}, QApplication::applicationDirPath());
    dialogs.SetParent(&window);
    window.Form_Load();
    window.show();
    return app.exec();
}
