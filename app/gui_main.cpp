// The window program: German Qt texts, the program directory with its first-start set-up, then the main
// window.

#include "core/program_info.h"
#include "files/file_type_registration.h"
#include "files/program_location.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApplication(argc, argv);
    // The task-bar title; as the application name it also captions messages that have no caption of their
    // own.
    QApplication::setApplicationName(QString::fromUtf8(orv::kApplicationTitle));
    orv::installGermanTranslations(qtApplication);

    // The shipped settings are copied before they are read, so a fresh install starts without a message.
    const orv::ProgramLocation location =
        orv::locateProgram(QCoreApplication::applicationDirPath(), orv::defaultUserDataDir());
    orv::prepareProgramDirectory(location);
    orv::registerFileTypeOnFirstStart(location.programDir, location.sharedDataDir,
                                      QCoreApplication::applicationFilePath());

    orv::QtDialogs dialogs;
    orv::Application application(location.programDir, dialogs);
    application.start(QCoreApplication::arguments());
    application.mainWindow().showPlaced();
    return QApplication::exec();
}
