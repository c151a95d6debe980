#pragma once

#include <QFile>
#include <QString>

#include <optional>
#include <vector>

namespace orv {

inline constexpr const char* kCatalogFileName = "Baustoff.kvz";
inline constexpr int kMaterialGroups = 8;
inline constexpr int kCatalogLines = 400; // lines beyond are never looked at
inline constexpr int kCatalogLineLength = 255;

inline constexpr const char* kCatalogMissingMessage =
    "FEHLER!\rDie Datei Baustoff.kvz fehlt oder ist beschädigt.\r\rBitte überspielen Sie diese Datei neu von "
    "der Diskette\rin der Verzeichnis von Orvenna.\r\rDie k-Wert-Berechnung wird geschlossen.\r";

// The caption of group 1..8's button.
QString materialGroupCaption(int group);

// One catalogue line: Nr;Gruppe;;Baustoff;;;Lambda;;;;Dichte. Each field ends at the first run of its
// separator, so a name may hold single semicolons. λ and density that do not convert read as 0; a group
// that is not an integer belongs to no group.
struct CatalogMaterial
{
    int number = 0;
    std::optional<int> group;
    QString name;
    float lambda = 0;
    int density = 0;

    friend bool operator==(const CatalogMaterial&, const CatalogMaterial&) = default;
};

CatalogMaterial readCatalogLine(const QString& line);

// A row of the catalogue list as it is shown: Nr, name, density, λ ("%0.3n").
struct CatalogRow
{
    QString number;
    QString name;
    QString density;
    QString lambda;
};

CatalogRow catalogRow(const CatalogMaterial& material);

// The open catalogue file. It is kept open while the layer calculator lives and read again from its start for
// every group shown, so a replaced catalogue never shows half old, half new.
class MaterialCatalog final
{
  public:
    MaterialCatalog() = default;
    Q_DISABLE_COPY_MOVE(MaterialCatalog)

    // False when the file is missing, no regular file, or not readable.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_file.isOpen(); }

    // The lines of one group, in file order: from the group's first line among lines 1..400 up to the first
    // empty line, the first line of a higher (or unreadable) group, or line 400. Empty when the group has no
    // line there.
    std::vector<CatalogMaterial> group(int group);

  private:
    std::vector<QString> readLines();

    QFile m_file;
};

} // namespace orv
