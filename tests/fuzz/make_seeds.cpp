// Writes the fuzz targets' seed corpora: OUTPUT-DIR/<target>/<n>. The files are made with the program's own
// codec from the worked examples and shipped settings, plus the damaged forms and texts the tests use.

#include "core/building_record.h"
#include "core/example_buildings.h"
#include "core/program_info.h"
#include "settings/settings_record.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>

using namespace orv;

namespace {

bool ok = true;

void write(const QDir& dir, const QString& target, int n, const QByteArray& bytes)
{
    dir.mkpath(target);
    QFile f(dir.filePath(target + QLatin1Char('/') + QString::number(n)));
    ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && ok;
}

QByteArray withBytes(QByteArray bytes, int offset, const char* patch, int length)
{
    std::memcpy(bytes.data() + offset, patch, static_cast<std::size_t>(length));
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: make-fuzz-seeds OUTPUT-DIR Baustoff.kvz\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));

    const SettingsRecord shipped = [] {
        SettingsRecord s = shippedDefaultSettings(QString());
        writeSettingsHeader(s);
        return s;
    }();

    // Building files: the examples as saved, with building information, a new building, damaged forms.
    const QString building = QStringLiteral("building_file");
    int n = 0;
    for (BuildingRecord example : {workedExample1(), workedExample2()}) {
        writeBuildingHeader(example, QStringLiteral("01.01.26"));
        const QByteArray bytes = encodeBuilding(example);
        write(out, building, n++, bytes);
        example.HasBuildingInfo = true;
        example.BuildingName = QStringLiteral("Haus Meier");
        example.Client = QStringLiteral("Familie Meier");
        example.PostCode = QStringLiteral("D-12345");
        example.InfoDate = QStringLiteral("08.12.26");
        write(out, building, n++, encodeBuilding(example));
        write(out, building, n++, withBytes(bytes, 568, "\x00\x00\xc0\x7f", 4)); // NaN k of the outer wall
        write(out, building, n++, withBytes(bytes, 688, "\xff", 1)); // length byte beyond the field
        write(out, building, n++, bytes + QByteArray(100, 'x'));     // longer than a building file
        write(out, building, n++, bytes.left(1000));                 // short
    }
    BuildingRecord fresh = workedExample1();
    resetToNewBuilding(fresh, shipped);
    write(out, building, n++, encodeBuilding(fresh));

    // Settings files: as shipped, blank, and with a damaged constant.
    const QString settings = QStringLiteral("settings_file");
    const QByteArray shippedBytes = encodeSettings(shipped);
    write(out, settings, 0, shippedBytes);
    write(out, settings, 1, QByteArray(SettingsRecord::Size, '\0'));
    write(out, settings, 2, withBytes(shippedBytes, 6988, "\x00\x00\xc0\x7f", 4)); // NaN air density
    write(out, settings, 3, shippedBytes.left(5000));

    // Catalogues: the shipped one and the tests' small ones.
    const QString catalog = QStringLiteral("material_catalog");
    QFile shippedCatalog(QString::fromLocal8Bit(argv[2]));
    ok = shippedCatalog.open(QIODevice::ReadOnly) && ok;
    write(out, catalog, 0, shippedCatalog.readAll());
    const char* catalogs[] = {
        ("1;1;;Ziegel;;;0,81;;;;1800\r\n2;1;;Kalksandstein;;;0,99;;;;1800\r\n"
         "5;5;;Stahlbeton;;;2,3;;;;2300\r\n"),
        "3;3;;Mineralwolle;;;0,035;;;;30\n4;3;;EPS;;;0,04;;;;20\n",
        "1;3;;Holzfaserd\xe4mmplatte;;;0,04;;;;160\n2;3;;Sch\xfcttung;;;0,16;;;;350\n",
        ("1;1;;Ziegel;;;0,81;;;;1800\r\n\r\n2;1;;Kalksandstein;;;0,99;;;;1800\r\n"
         "3;2;;Putz; innen;;;1,0;;;;1800\r\n"),
        "1;1;;Ziegel;;;0,81;;;;1800\r\n2;?;;Kaputt;;;0.5;;;;1\r\n3;1;;Klinker;;;1,2;;;;123456789\r\n",
    };
    n = 1;
    for (const char* text : catalogs)
        write(out, catalog, n++, QByteArray(text));

    // Decimal texts: first byte 0 or 1 (sign admitted); 2/3 add a double and a Single to format.
    const QString decimal = QStringLiteral("decimal_reader");
    const char* texts[] = {"12,5",
                           "0,005",
                           "1,2,3",
                           "-1",
                           "",
                           ",5",
                           "1234567,89",
                           "0,125",
                           "1,115",
                           "-2,5",
                           "2147483648",
                           "340282346638528859811704183484516925440",
                           "0,00000000000000000000000000000000000000000000140129846"};
    n = 0;
    for (const char* text : texts)
        for (const char flag : {'\0', '\1'})
            write(out, decimal, n++, QByteArray(1, flag) + text);
    for (const double d : {0.125, -1.005, 2.5, 1234567.4, 1e20}) {
        QByteArray bytes(1, '\3');
        const float f = static_cast<float>(d);
        bytes.append(reinterpret_cast<const char*>(&d), sizeof d);
        bytes.append(reinterpret_cast<const char*>(&f), sizeof f);
        write(out, decimal, n++, bytes + "7,5");
    }

    // Drawing: bytes the target turns into edits of a worked example.
    const QString drawing = QStringLiteral("report_drawing");
    write(out, drawing, 0, QByteArray());
    write(out, drawing, 1, QByteArray(32, '\1'));
    write(out, drawing, 2, QByteArray("\1\0\1\1Haus am See\0\0\3\2\1\7\0\1\2\3\4\5\6\7\x10\x20\x40\x80", 30));
    write(out, drawing, 3, QByteArray(64, '\x7f'));

    if (!ok) {
        std::fputs("make-fuzz-seeds: cannot write the seeds\n", stderr);
        return 1;
    }
    return 0;
}
