// The window program: German Qt texts, the program directory beside the executable, then the main window.

#include "core/program_info.h"
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

    const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    orv::QtDialogs dialogs;
    orv::Application application(programDir, dialogs);
    application.start(programDir + QStringLiteral("data/DataSet.kvz"));
    application.mainWindow().showPlaced();
    return QApplication::exec();
}
