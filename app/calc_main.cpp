#include "app/calc_cli.h"

#include <QString>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return orv::runCalcCli(arguments, stdout, stderr);
}
