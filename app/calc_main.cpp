#include "app/calc_cli.h"
#include "app/report_cli.h"

#include <QFile>
#include <QString>

int main(int argc, char** argv)
{
    QList<QByteArray> native;
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        native << QByteArray(argv[i]);
        arguments << QFile::decodeName(argv[i]);
    }
    if (arguments.contains(QLatin1String("--report")))
        return orv::runReportCli(argc, argv, arguments, stdout, stderr);
    return orv::runCalcCli(native, stdout, stderr);
}
